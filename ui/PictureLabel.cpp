#include "PictureLabel.h"

#include <QPainter>

namespace kestrel::ui {

void CabinetPieceLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap());
}

}  // namespace kestrel::ui
