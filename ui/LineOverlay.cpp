#include "LineOverlay.h"

#include <QPainter>

namespace kestrel::ui {

LineOverlay::LineOverlay(QWidget* window, Presentation& presentation)
    : QWidget(window), presentation_(presentation) {
    setObjectName(QStringLiteral("Lineflash"));
    presentation.place(this, QRect(QPoint(0, 0), layout::kWindow));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // Hidden while no line is drawn: a see-through widget over the reels would otherwise take
    // part in every repaint of the turning reels beneath it.
    hide();
    connect(&presentation, &Presentation::rescaled, this, &LineOverlay::maskToSegments);
}

void LineOverlay::drawLines(const std::vector<int>& lines) {
    updateSegments();  // where the last lines were
    segments_.clear();
    for (const int line : lines) {
        const PaylinePath& path = kPaylinePaths[line];
        for (int j = 0; j < path.count; ++j) {
            const Segment& segment = path.segments[j];
            segments_.push_back(
                {QLine(toPixels(segment.from), toPixels(segment.to)), lineColour(line), true});
        }
    }
    maskToSegments();
    setVisible(!segments_.empty());
    updateSegments();
}

void LineOverlay::clearLines() {
    updateSegments();
    for (SegmentState& s : segments_) {
        s.visible = false;  // they keep their place and colour until lines are drawn again
    }
}

void LineOverlay::hideLine() {
    clearLines();
    hide();
}

const LineOverlay::SegmentState& LineOverlay::segment(int j) const {
    static const SegmentState kNone;
    return j >= 1 && j <= static_cast<int>(segments_.size()) ? segments_[j - 1] : kNone;
}

void LineOverlay::updateSegments() {
    update(covered(true));
}

void LineOverlay::maskToSegments() {
    const QRegion region = covered(false);
    if (region.isEmpty()) {
        clearMask();
    } else {
        setMask(region);
    }
}

// A segment is covered by short pieces along it: a slanting line across the reels would
// otherwise cover the whole reel window.
QRegion LineOverlay::covered(bool shownOnly) const {
    constexpr int kPieces = 12;
    constexpr int kPenMargin = 6;  // half the widest pen, and a little
    const qreal scale = presentation_.scale();
    QRegion region;
    for (const SegmentState& s : segments_) {
        if (shownOnly && !s.visible) {
            continue;
        }
        const QLineF line(QPointF(s.line.p1()) * scale, QPointF(s.line.p2()) * scale);
        for (int i = 0; i < kPieces; ++i) {
            const QRectF piece =
                QRectF(line.pointAt(qreal(i) / kPieces), line.pointAt(qreal(i + 1) / kPieces))
                    .normalized();
            const qreal margin = kPenMargin * scale;
            region += piece.adjusted(-margin, -margin, margin, margin).toAlignedRect();
        }
    }
    return region;
}

void LineOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(presentation_.scale(), presentation_.scale());  // lines in the machine's pixels
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
