#include "MachineFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "Layout.h"
#include "MachineWindow.h"

namespace kestrel::ui {

MachineFrame::MachineFrame() {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    for (QScreen* screen : QGuiApplication::screens()) {
        followScreen(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this, &MachineFrame::followScreen);
}

void MachineFrame::followScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this,
            [this, screen](const QRect& geometry) { screenResized(screen, geometry); });
}

// A screen whose size changes while the machine fills it (another resolution chosen, a monitor
// swapped) takes the frame along: without a window manager to do so the machine would lie
// partly beyond a smaller screen, its controls out of the mouse's reach. The ordinary window,
// shown or waiting behind full screen, comes onto a screen made too small for it where it is.
void MachineFrame::screenResized(const QScreen* screen, const QRect& geometry) {
    if (screen != this->screen()) {
        return;
    }
    if (fullScreen_) {
        windowedGeometry_ = onScreen(windowedGeometry_, geometry);
        setGeometry(geometry);
        fit();
    } else if (isVisible() && !geometry.contains(frameGeometry())) {
        const QSize decorations = frameGeometry().size() - size();
        const QSize room = geometry.size() - decorations;
        const QSize inner = sizeWithin(size(), room);
        const QRect outer(frameGeometry().topLeft(), inner + decorations);
        resize(inner);
        move(onScreen(outer, geometry).topLeft());
    }
}

// A window's size as it is when it fits the room, else the largest with the machine's aspect
// that does: the window is never larger than its screen.
QSize MachineFrame::sizeWithin(QSize size, QSize room) {
    if (size.width() <= room.width() && size.height() <= room.height()) {
        return size;
    }
    return layout::kWindow.scaled(size.boundedTo(room), Qt::KeepAspectRatio);
}

// The rectangle kept on the screen: no larger than the screen, as at start, and moved only as
// far as it must be to lie on it.
QRect MachineFrame::onScreen(QRect window, const QRect& screen) {
    window.setSize(sizeWithin(window.size(), screen.size()));
    window.moveLeft(std::clamp(window.left(), screen.left(),
                               std::max(screen.left(), screen.right() + 1 - window.width())));
    window.moveTop(std::clamp(window.top(), screen.top(),
                              std::max(screen.top(), screen.bottom() + 1 - window.height())));
    return window;
}

void MachineFrame::setMachine(MachineWindow* machine) {
    machine_ = machine;
    machine->setParent(this);
    // The machine takes the keys (its space bar) as soon as the frame is active.
    machine->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(machine);
    machine->setFocus();
    setWindowTitle(machine->windowTitle());
    setWindowIcon(machine->windowIcon());
    connect(machine, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    // A small screen gets the machine scaled down.
    resize(sizeWithin(layout::kWindow, screenSize()));
    fit();
}

QSize MachineFrame::screenSize() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : layout::kWindow;
}

void MachineFrame::switchTo800x600() {
    if (fullScreen_) {
        return;
    }
    windowedGeometry_ = geometry();
    fullScreen_ = true;
    showFullScreen();
    // Without a window manager to honour the request, cover the screen by hand.
    if (const QScreen* s = screen()) {
        setGeometry(s->geometry());
    }
    fit();
}

void MachineFrame::restore() {
    if (!fullScreen_) {
        return;
    }
    fullScreen_ = false;
    showNormal();
    // The window's own rectangle, not saveGeometry()'s: restoring that guesses a title bar where
    // there may be none and puts the window 20 pixels lower than it was.
    setGeometry(windowedGeometry_);
    fit();
}

// The largest scale at which the whole machine fits, aspect kept, in the middle of the frame:
// exactly 1 in the ordinary window. A frame squeezed to a sliver (dragged so by the player, or on
// a screen of a few pixels) shows part of the machine at an eighth of its size: smaller, its
// pictures would come out a pixel or none wide, and the drawing of a reel's blur divides by its
// cell's height in pixels.
void MachineFrame::fit() {
    if (machine_ == nullptr) {
        return;
    }
    constexpr qreal kSmallestScale = 0.125;
    const qreal scale =
        std::max(kSmallestScale, std::min(width() / qreal(layout::kWindow.width()),
                                          height() / qreal(layout::kWindow.height())));
    machine_->setScale(scale, devicePixelRatioF());
    machine_->move((width() - machine_->width()) / 2, (height() - machine_->height()) / 2);
}

// A screen of another pixel ratio (the window moved to it, or it came up in place of another)
// has the pictures drawn again for its pixels.
void MachineFrame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &MachineFrame::fit, Qt::UniqueConnection);
    }
    fit();
}

void MachineFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void MachineFrame::closeEvent(QCloseEvent* event) {
    if (machine_ != nullptr) {
        machine_->close();  // runs the machine's shutdown
    }
    event->accept();
}

}  // namespace kestrel::ui
