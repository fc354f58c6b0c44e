#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>
#include <array>

#include "PaylinePaths.h"
#include "Presentation.h"

namespace kestrel::ui {

// `Lineflash`: the payline drawn over the reels and their cells, up to six straight segments in
// the line's colour. It lets every mouse event through.
class LineOverlay : public QWidget {
    Q_OBJECT
public:
    LineOverlay(QWidget* window, Presentation& presentation);

    struct SegmentState {
        QLine line;
        QColor colour;
        bool visible = false;
    };

    // Draws payline 1..25; only its own segments show.
    void drawLine(int line);
    void hideLine();

    const SegmentState& segment(int j) const { return segments_[j]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Asks for a repaint of what the shown segments cover, not of everything under the overlay.
    void updateSegments();

    Presentation& presentation_;
    std::array<SegmentState, kMaxSegments + 1> segments_{};
};

}  // namespace kestrel::ui
