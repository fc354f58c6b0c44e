#include "MachineApp.h"

#include <QApplication>
#include <QSessionManager>
#include <csignal>
#include <cstdio>

namespace kestrel::ui {

MachineApp::MachineApp() : MachineApp(StdRandom()) {}

MachineApp::MachineApp(std::uint64_t seed) : MachineApp(StdRandom(seed)) {}

MachineApp::FileSizeSignalIgnored::FileSizeSignalIgnored() {
    std::signal(SIGXFSZ, SIG_IGN);
}

MachineApp::MachineApp(StdRandom random) : lock_(settings_.fileName()), random_(random) {
    const SingleInstanceLock::Result locked = lock_.tryLock();
    if (locked == SingleInstanceLock::Result::HeldByAnotherCopy) {
        refuseSecondCopy();
        return;
    }
    // A lock that cannot be made (a read-only folder, say) does not stop the game: the store
    // reports its own trouble with the same folder on screen. Standard error says that a second
    // copy would not be kept out.
    if (locked == SingleInstanceLock::Result::Unavailable) {
        std::fprintf(stderr, "kestrel: %s A second copy would not be kept from the records.\n",
                     qUtf8Printable(lock_.problem()));
    } else {
        // This copy alone writes the records: a new file beside them is one a copy killed while
        // saving left behind.
        settings_.removeUnfinishedSaves();
    }
    start();
}

void MachineApp::start() {
    window_ = new MachineWindow(
        {clock_, sound_, settings_, random_, frame_, art_, messages_, links_, &frame_});
    frame_.setMachine(window_);
    window_->load();
    if (!frame_.presentingFullScreen()) {
        frame_.show();
    }
    // A box the start opened (a game that could not be taken up) stays the one the keys go to:
    // the frame is shown after it, and where no window manager hands the focus on, Enter and
    // Escape would reach neither.
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    } else {
        frame_.activateWindow();
    }
    QObject::connect(window_, &MachineWindow::finished, qApp, &QApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&signals_, &TerminationSignals::received, window_, &MachineWindow::shutdown);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window_,
                     [this](QSessionManager&) { window_->shutdown(); });
}

// Said on standard error, and in a box wherever there is a screen to show it on.
void MachineApp::refuseSecondCopy() {
    std::fprintf(stderr, "kestrel: %s\n", qUtf8Printable(lock_.problem()));
    const auto quit = [] {
        QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
    };
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        quit();
        return;
    }
    messages_.warn(nullptr, machineBoxTitle(), lock_.problem(), quit);
}

}  // namespace kestrel::ui
