#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>
#include <array>

#include "PaylinePaths.h"

namespace kestrel::ui {

// The six line segments Lineflash(1..6) drawn over the reels and their cells: each has its end
// points, a colour and its own visibility. The overlay lets every mouse event through.
class LineOverlay : public QWidget {
    Q_OBJECT
public:
    explicit LineOverlay(QWidget* window);

    struct SegmentState {
        QLine line;
        QColor colour;
        bool visible = false;
    };

    void setSegment(int j, const QLine& line);
    void setColour(int j, const QColor& colour);
    void setSegmentVisible(int j, bool visible);
    void hideAll();
    // Puts payline L's path into segments 1..n (n its segment count) in its colour; the others
    // are left as they are.
    int placePath(int line);

    const SegmentState& segment(int j) const { return segments_[j]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<SegmentState, kMaxSegments + 1> segments_{};
};

}  // namespace kestrel::ui
