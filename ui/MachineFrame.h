#pragma once

#include <QRect>
#include <QWidget>

#include "DisplayMode.h"

class QScreen;

namespace kestrel::ui {

class MachineWindow;

// The top-level window around the 800 × 600 machine. It shows the machine at its own size in an
// ordinary window, or filling the screen with its aspect kept (the "800 × 600 display mode"): the
// machine is then laid out at that scale in device pixels, its pictures made for it, so nothing
// is stretched on every paint and the mouse lands where it points. The bars around it are black.
// The ordinary window comes back exactly as it was.
class MachineFrame final : public QWidget, public DisplayMode {
    Q_OBJECT
public:
    MachineFrame();

    // Takes the machine in as its only child.
    void setMachine(MachineWindow* machine);

    QSize screenSize() const override;
    void switchTo800x600() override;
    void restore() override;
    bool presentingFullScreen() const override { return fullScreen_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fit();
    void followScreen(QScreen* screen);
    void screenResized(const QScreen* screen, const QRect& geometry);
    static QSize sizeWithin(QSize size, QSize room);
    static QRect onScreen(QRect window, const QRect& screen);

    MachineWindow* machine_ = nullptr;
    bool fullScreen_ = false;
    QRect windowedGeometry_;  // where the window was before full screen, its frame aside
};

}  // namespace kestrel::ui
