#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>
#include <vector>

#include "PaylinePaths.h"
#include "Presentation.h"

namespace kestrel::ui {

// `Lineflash`: paylines drawn over the reels and their cells, each up to six straight segments
// in the line's colour. It lets every mouse event through.
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
    void drawLine(int line) { drawLines({line}); }
    // Draws these paylines together.
    void drawLines(const std::vector<int>& lines);
    // Takes the lines away but stays shown, so that only what they covered is painted again:
    // for a line that blinks. Showing or hiding the overlay repaints all it covers.
    void clearLines();
    void hideLine();

    // The segments drawn, 1 first: the first line's, then the next line's; a segment past the
    // last is not shown.
    const SegmentState& segment(int j) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Asks for a repaint of what the shown segments cover, not of everything under the overlay.
    void updateSegments();
    // Where the segments lie, shown or not, in the overlay's pixels.
    QRegion covered(bool shownOnly) const;
    // The overlay is masked to its segments: showing or hiding it, or a repaint of the reels
    // beneath, repaints only what the lines cover.
    void maskToSegments();

    Presentation& presentation_;
    std::vector<SegmentState> segments_;
};

}  // namespace kestrel::ui
