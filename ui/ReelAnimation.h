#pragma once

#include <QLabel>
#include <QObject>
#include <array>

#include "ArtBook.h"
#include "Clock.h"
#include "Geometry.h"
#include "SpinRecords.h"

namespace kestrel::ui {

// The five reels on screen: blur frames while a reel turns, its stopped column when it stops,
// and 200 ms later its three single-symbol cells, which the win presentations then blink.
// tmrspin steps the blur every 50 ms and stops reel r after its stop tick; tmrtry replaces the
// stopped columns by cells and, once reel 5 has stopped, reports the end of the spin.
class ReelAnimation : public QObject {
    Q_OBJECT
public:
    ReelAnimation(QWidget* window, Clock& clock, const ArtBook& art);

    // Stop ticks from the reel speed: 1 fast, 2 slow; any other value leaves them as they are
    // (unset at start, so every reel stops on the first tick).
    void setSpeed(int reelspeed);
    int stopTick(int reel) const { return reelStopTick_[reel]; }

    // Starts the animation of a decided outcome.
    void start(const SpinRecords& records);
    // Stops every reel still turning at once, showing its stopped column.
    void stopNow();
    // Abandons the animation without an end of spin.
    void abandon();
    bool turning() const;  // some reel has not stopped yet

    void showIdleReels();
    void hideCells();
    void setReelsVisible(bool visible);

    QLabel* cell(int c) const { return flasher_[c]; }
    QLabel* reel(int r) const { return Picture_[r]; }
    ClockTimer* tmrspin() const { return tmrspin_; }
    ClockTimer* tmrtry() const { return tmrtry_; }

signals:
    void reelStopped(int reel);  // a reel came to rest (its stop sound belongs here)
    void spinEnded();            // reel 5 has been replaced by its cells: time to settle

private:
    void onSpinTick();
    void onTryTick();
    void stopReel(int r);
    void clearState();

    const ArtBook& art_;
    SpinRecords records_;
    ClockTimer* tmrspin_;
    ClockTimer* tmrtry_;
    std::array<QLabel*, kReels + 1> Picture_{};
    std::array<QLabel*, kCells + 1> flasher_{};
    std::array<int, kReels + 1> reelStopTick_{};
    std::array<int, kReels + 1> spinTicks_{};
    std::array<int, kReels + 1> blurFrame_{};
    std::array<int, kReels + 1> reelStopped_{};
};

}  // namespace kestrel::ui
