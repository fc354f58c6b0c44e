#include "PictureLabel.h"

#include <QPainter>

namespace kestrel::ui {

QLabel* makePictureLabel(QWidget* parent, Presentation& presentation, const QString& name,
                         const QRect& place, Picture picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    presentation.place(label, place);
    presentation.show(label, picture);
    return label;
}

void CabinetPieceLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap());
}

}  // namespace kestrel::ui
