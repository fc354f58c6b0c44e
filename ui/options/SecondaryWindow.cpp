#include "SecondaryWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

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

// A push button outside a dialog leaves Enter to its window: here it presses the button with
// the focus, or else the default one.
void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button == nullptr) {
            const auto buttons = findChildren<QPushButton*>();
            const auto found = std::find_if(buttons.cbegin(), buttons.cend(),
                                            [](const QPushButton* b) { return b->isDefault(); });
            button = found != buttons.cend() ? *found : nullptr;
        }
        if (button != nullptr && button->isEnabled() && button->isVisible()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kestrel::ui
