#pragma once

#include <QByteArray>
#include <QGraphicsView>

#include "DisplayMode.h"

class QGraphicsProxyWidget;

namespace kestrel::ui {

// The top-level window around the 800 × 600 machine. It shows the machine at its own size in an
// ordinary window, or scaled to fill the screen with its aspect kept (the "800 × 600 display
// mode"); the mouse is mapped back either way. The ordinary window comes back exactly as it was.
class MachineFrame final : public QGraphicsView, public DisplayMode {
    Q_OBJECT
public:
    MachineFrame();

    // Embeds the machine widget (which must have no parent).
    void setMachine(QWidget* machine);

    QSize screenSize() const override;
    void switchTo800x600() override;
    void restore() override;
    bool presentingFullScreen() const override { return fullScreen_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fit();

    QWidget* machine_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    bool fullScreen_ = false;
    QByteArray windowedGeometry_;
};

}  // namespace kestrel::ui
