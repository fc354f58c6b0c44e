#include "LineOverlay.h"

#include <QPainter>

namespace kestrel::ui {

LineOverlay::LineOverlay(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Lineflash"));
    setGeometry(QRect(QPoint(0, 0), layout::kWindow));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineOverlay::drawLine(int line) {
    const PaylinePath& path = kPaylinePaths[line];
    for (int j = 1; j <= kMaxSegments; ++j) {
        SegmentState& s = segments_[j];
        s.visible = j <= path.count;
        if (s.visible) {
            const Segment& segment = path.segments[j - 1];
            s.line = QLine(toPixels(segment.from), toPixels(segment.to));
            s.colour = lineColour(line);
        }
    }
    update();
}

void LineOverlay::hideLine() {
    bool shown = false;
    for (SegmentState& s : segments_) {
        shown = shown || s.visible;
        s.visible = false;
    }
    if (shown) {
        update();
    }
}

void LineOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark edge under a bright core keeps every colour readable on light and dark symbols.
    for (int pass = 0; pass < 2; ++pass) {
        for (const SegmentState& s : segments_) {
            if (!s.visible) {
                continue;
            }
            const QColor colour = pass == 0 ? s.colour.darker(260) : s.colour;
            painter.setPen(QPen(colour, pass == 0 ? 9 : 5, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(s.line);
        }
    }
}

}  // namespace kestrel::ui
