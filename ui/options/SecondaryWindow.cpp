#include "SecondaryWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "EnterKey.h"

namespace kestrel::ui {

SecondaryWindow::SecondaryWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowModality(Qt::ApplicationModal);
}

void SecondaryWindow::showCentred() {
    closed_ = false;
    adjustSize();
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closed_) {
        closed_ = true;
        emit closed();
    }
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (!pressButtonForEnter(*this, *event)) {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace kestrel::ui
