#include "LineOverlay.h"

#include <QPainter>

namespace kestrel::ui {

LineOverlay::LineOverlay(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("Lineflash"));
    setGeometry(QRect(QPoint(0, 0), layout::kWindow));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineOverlay::setSegment(int j, const QLine& line) {
    segments_[j].line = line;
    update();
}

void LineOverlay::setColour(int j, const QColor& colour) {
    segments_[j].colour = colour;
    update();
}

void LineOverlay::setSegmentVisible(int j, bool visible) {
    if (segments_[j].visible != visible) {
        segments_[j].visible = visible;
        update();
    }
}

void LineOverlay::hideAll() {
    for (int j = 1; j <= kMaxSegments; ++j) {
        setSegmentVisible(j, false);
    }
}

int LineOverlay::placePath(int line) {
    const PaylinePath& path = kPaylinePaths[line];
    for (int j = 1; j <= path.count; ++j) {
        const Segment& s = path.segments[j - 1];
        setSegment(j, QLine(toPixels(s.from), toPixels(s.to)));
        setColour(j, lineColour(line));
    }
    return path.count;
}

void LineOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark edge under a bright core keeps every colour readable on light and dark symbols.
    for (int pass = 0; pass < 2; ++pass) {
        for (int j = 1; j <= kMaxSegments; ++j) {
            const SegmentState& s = segments_[j];
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
