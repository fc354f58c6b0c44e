#include "MachineApp.h"

#include <QApplication>

namespace kestrel::ui {

MachineApp::MachineApp()
    : window_(new MachineWindow(
          {clock_, sound_, settings_, random_, frame_, art_, messages_, links_, &frame_})) {
    frame_.setMachine(window_);
    window_->load();
    if (!frame_.presentingFullScreen()) {
        frame_.show();
    }
    frame_.activateWindow();
    QObject::connect(window_, &MachineWindow::finished, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
}

}  // namespace kestrel::ui
