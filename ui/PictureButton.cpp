#include "PictureButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace kestrel::ui {

PictureButton::PictureButton(QWidget* parent, const QString& name, Presentation& presentation,
                             ButtonArt art, const QRect& place)
    : QWidget(parent), presentation_(presentation), art_(art) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    presentation.place(this, place);
    connect(&presentation, &Presentation::rescaled, this, qOverload<>(&QWidget::update));
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
    // The picture is made for the button's size at the scale in force, or stands in for it until
    // it comes: drawn over the whole button, which stretches only the stand-in.
    QPainter painter(this);
    painter.drawPixmap(rect(), presentation_.button(art_, isEnabled()));
}

// The button is where its picture is drawn: the cabinet showing through round a round or
// rounded button is not the button (beside the round exit button, a press would end the game).
bool PictureButton::drawnAt(QPoint pos) const {
    const QImage picture = presentation_.button(art_, true).toImage();
    if (picture.isNull() || width() <= 0 || height() <= 0) {
        return true;
    }
    // The picture may be a stand-in of another size until the one drawn for the scale comes.
    const int x = std::clamp(pos.x() * picture.width() / width(), 0, picture.width() - 1);
    const int y = std::clamp(pos.y() * picture.height() / height(), 0, picture.height() - 1);
    return picture.pixelColor(x, y).alpha() > 0;
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!drawnAt(event->position().toPoint())) {
        event->ignore();  // the cabinet's, not the button's
        return;
    }
    firstClickHere_ = true;
    emit mouseDown();
}

// Qt sends the second click of a double click as a double-click event, not as a press. It is a
// press here only if the first click was too: a first click that closed a panel over this button
// (Return to Game on the last games) must not press it with the second.
void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (doubleClickPressesTwice_ && std::exchange(firstClickHere_, false)) {
        mousePressEvent(event);
    }
}

void PictureButton::leaveEvent(QEvent* event) {
    firstClickHere_ = false;
    QWidget::leaveEvent(event);
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
