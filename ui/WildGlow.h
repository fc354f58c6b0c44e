#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class ReelAnimation;

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
    WildGlow(QObject* parent, Clock& clock, const Machine& machine, ReelAnimation& reels,
             const ArtBook& art);

    // Applies the start rules of a settled spin.
    void settle();
    void stop() { timerwild_->stop(); }
    // Clears the frame and the flag at the start of a spin.
    void rewind() {
        wildFrame_ = 0;
        lineWinFlag_ = false;
    }
    ClockTimer* timer() const { return timerwild_; }
    bool lineWinFlag() const { return lineWinFlag_; }

private:
    void onTick();
    void showFrame(int reel);

    const Machine& machine_;
    ReelAnimation& reels_;
    const ArtBook& art_;
    ClockTimer* timerwild_;
    int wildFrame_ = 0;
    bool lineWinFlag_ = false;
};

}  // namespace kestrel::ui
