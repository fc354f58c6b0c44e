#include "PictureButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace kestrel::ui {

PictureButton::PictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                             const QPixmap& disabledPicture)
    : QWidget(parent) {
    setObjectName(name);
    setPictures(picture, disabledPicture);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPictures(const QPixmap& picture, const QPixmap& disabledPicture) {
    picture_ = picture;
    disabledPicture_ = disabledPicture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), isEnabled() ? picture_ : disabledPicture_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    emit mouseDown();
    // A button that hid itself for its pressed look no longer receives the release, so watch
    // for it application-wide.
    if (isHidden() && !awaitingRelease_) {
        awaitingRelease_ = true;
        qApp->installEventFilter(this);
    }
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingRelease_ && event->type() == QEvent::MouseButtonRelease) {
        awaitingRelease_ = false;
        qApp->removeEventFilter(this);
        emit mouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit mouseUp();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();  // the window behind would take a move as leaving the button
}

}  // namespace kestrel::ui
