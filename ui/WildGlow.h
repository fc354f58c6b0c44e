#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class ReelWindow;

// Whether a settled spin sets the wild animation going, and whether reel 4's wild takes part:
// a played line that won with three or more symbols, or a played line through a wild while two
// or more specials show, raises the flag; the animation starts for a wild on a played line
// with two or more specials showing, or on a played line that won with three or more.
struct WildStart {
    bool start = false;
    bool lineWinFlag = false;
};
WildStart wildStartFor(const SpinRecords& records, const SpinResult& result, int linesPlayed);

// The peace signs glow in their cells after a winning spin, 100 ms a frame, six frames per row.
class WildGlow : public QObject {
    Q_OBJECT
public:
    WildGlow(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels);

    // Applies the start rules to the spin just settled, beginning with the first frame.
    void settle();
    // Stops and gives the wild cells their own symbol back.
    void stop();

private:
    void onTick();
    int glowingCell(int reel) const;

    const Machine& machine_;
    ReelWindow& reels_;
    ClockTimer* timerwild_;
    int wildFrame_ = 0;
    bool lineWinFlag_ = false;
};

}  // namespace kestrel::ui
