#include "PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrel::ui {

PictureButton::PictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                             const QPixmap& disabledPicture)
    : QWidget(parent), picture_(picture), disabledPicture_(disabledPicture) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::showPressedLook() {
    if (!pressed_) {
        pressed_ = true;
        update();
    }
}

void PictureButton::endPressedLook() {
    if (pressed_) {
        pressed_ = false;
        update();
    }
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (pressed_) {
        return;  // the cabinet behind shows the button pressed in
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), isEnabled() ? picture_ : disabledPicture_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit mouseDown();
    }
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        endPressedLook();
        emit mouseUp();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();  // the window behind would take a move as leaving the button
}

// A button switched off while it looked pressed comes back unpressed.
void PictureButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        endPressedLook();
    }
    QWidget::changeEvent(event);
}

}  // namespace kestrel::ui
