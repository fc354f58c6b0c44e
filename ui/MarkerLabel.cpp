#include "MarkerLabel.h"

#include <QPainter>

namespace kestrel::ui {

void MarkerLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), pixmap());
}

}  // namespace kestrel::ui
