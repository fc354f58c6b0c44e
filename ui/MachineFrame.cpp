#include "MachineFrame.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "Layout.h"

namespace kestrel::ui {

MachineFrame::MachineFrame() {
    setScene(new QGraphicsScene(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Qt::black);
    setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    setAlignment(Qt::AlignCenter);
}

void MachineFrame::setMachine(QWidget* machine) {
    machine_ = machine;
    proxy_ = scene()->addWidget(machine);
    // The machine takes the keys (its space bar) as soon as the frame is active.
    machine->setFocusPolicy(Qt::StrongFocus);
    scene()->setFocusItem(proxy_);
    machine->setFocus();
    scene()->setSceneRect(QRectF(QPointF(0, 0), layout::kWindow));
    setWindowTitle(machine->windowTitle());
    setWindowIcon(machine->windowIcon());
    connect(machine, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    // The window is never larger than the screen: a small screen gets the machine scaled down.
    const QSize available = screenSize().boundedTo(layout::kWindow);
    resize(layout::kWindow.scaled(available, Qt::KeepAspectRatio));
}

QSize MachineFrame::screenSize() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : layout::kWindow;
}

void MachineFrame::switchTo800x600() {
    if (fullScreen_) {
        return;
    }
    windowedGeometry_ = saveGeometry();
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
    restoreGeometry(windowedGeometry_);
    fit();
}

// The largest scale at which the whole machine fits, aspect kept: exactly 1 in the ordinary
// window (fitInView would leave a margin and blur every picture).
void MachineFrame::fit() {
    const QSize area = viewport()->size();
    const qreal scale = std::min(area.width() / qreal(layout::kWindow.width()),
                                 area.height() / qreal(layout::kWindow.height()));
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(scene()->sceneRect().center());
}

void MachineFrame::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fit();
}

void MachineFrame::closeEvent(QCloseEvent* event) {
    if (machine_ != nullptr) {
        machine_->close();  // runs the machine's shutdown
    }
    event->accept();
}

}  // namespace kestrel::ui
