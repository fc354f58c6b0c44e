#pragma once

#include <QLabel>
#include <QObject>
#include <array>
#include <optional>
#include <vector>

#include "ArtBook.h"
#include "Geometry.h"
#include "Presentation.h"
#include "SpinRecords.h"

namespace kestrel::ui {

class LineOverlay;

// Payline markers lin(1..26): one beside the reels for each line, and line 1's second one on the
// right-hand side.
inline constexpr int kMarkers = 26;
inline constexpr int kLineOneSecondMarker = 26;

// The reel window and everything on it: the five reel pictures (Picture1..5), the fifteen cells
// of a settled result over them (flasher1..15), the drawn payline and the 26 line markers. It is
// the only writer of these widgets. It knows the result it shows, so whatever a presentation
// changed (a blinked cell, an animation frame, a hidden marker) can be put back.
class ReelWindow : public QObject {
    Q_OBJECT
public:
    ReelWindow(QWidget* window, Presentation& presentation);

    // --- the reels ---
    // The idle pictures, without a result or a line.
    void showIdle();
    // A spin is about to be shown: the last result's line goes, the markers come back; each
    // reel keeps its cells until it turns or stops.
    void beginSpin(const SpinRecords& records);
    void showBlur(int reel, int frame);
    // The reel at rest on its stop, as one column.
    void showStopped(int reel);
    // The reel's column gives way to its three cells.
    void showCells(int reel);
    // A settled result at once, without turning the reels (a game taken up after a power cut).
    void showResult(const SpinRecords& records);
    // The pay-line view takes the reels and cells away and lets the markers draw their lines.
    void setAway(bool away);
    // The markers answer the mouse (on the pay-line view) or stand still.
    void setMarkersEnabled(bool enabled);

    // --- a game of the past ---
    // The reels at these stops (reel 1 first) with these lines drawn and the markers of the
    // lines played lit, until endRecall() puts back what the reels showed before.
    void recall(const std::array<int, kReels>& stops, const std::vector<int>& lines,
                int linesPlayed);
    void endRecall(int linesPlayed);

    // --- the cells of the result ---
    void setCellLit(int cell, bool lit);
    void showAllCells();
    // A frame of an animation in the cell: picture `index` of `frames`.
    void showCellFrame(int cell, PictureList frames, int index);
    // The cell's own symbol again.
    void restoreCell(int cell);

    // --- the drawn line and the markers ---
    void drawLine(int line);
    // The line blinks off: gone from the reels, its place kept for the next blink.
    void blinkLineOff();
    void hideLine();
    // Played lines lit, the others dimmed.
    void showLinesPlayed(int linesPlayed);
    // Shows or hides the marker(s) of a line (both of line 1's).
    void setMarkerShown(int line, bool shown);
    void showAllMarkers();

    const LineOverlay& overlay() const { return *overlay_; }
    // The records of the result the reels show or are turning towards.
    const SpinRecords& shown() const { return records_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What each reel shows: its idle picture (or a blur while it turns), its column at rest on
    // its stop, or its three cells.
    enum class Face { Idle, Stopped, Cells };
    struct Faces {
        SpinRecords records;
        std::array<Face, kReels + 1> face{};
    };
    void showFaces(const Faces& faces);
    void hideCells(int reel);

    Presentation& presentation_;
    SpinRecords records_;
    std::array<Face, kReels + 1> face_{};
    std::optional<Faces> beforeRecall_;
    bool away_ = false;
    std::array<QLabel*, kReels + 1> Picture_{};
    std::array<QLabel*, kCells + 1> flasher_{};
    LineOverlay* overlay_;
    std::array<QLabel*, kMarkers + 1> lin_{};
};

}  // namespace kestrel::ui
