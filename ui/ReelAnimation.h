#pragma once

#include <QObject>
#include <array>

#include "Clock.h"
#include "Geometry.h"
#include "SpinRecords.h"

namespace kestrel::ui {

class ReelWindow;

// Turns the reels of a decided spin: tmrspin shows a blur frame every 50 ms and stops reel r on
// its stop tick, showing its column; tmrtry replaces each stopped column by its cells 200 ms
// later and, once reel 5 has stopped, reports the end of the spin.
class ReelAnimation : public QObject {
    Q_OBJECT
public:
    ReelAnimation(QObject* parent, Clock& clock, ReelWindow& reels);

    // Stop ticks from the player's reel speed.
    void setSpeed(int reelspeed);
    // Starts the animation of a decided outcome.
    void start(const SpinRecords& records);
    // Stops every reel still turning at once, showing its column.
    void stopNow();
    // Abandons the animation without an end of spin.
    void abandon();

signals:
    void reelStopped(int reel);  // a reel came to rest (its stop sound belongs here)
    void spinEnded();            // reel 5 has been replaced by its cells: time to settle

private:
    void onSpinTick();
    void onTryTick();
    void stopReel(int r);

    ReelWindow& reels_;
    ClockTimer* tmrspin_;
    ClockTimer* tmrtry_;
    std::array<int, kReels + 1> reelStopTick_{};
    std::array<int, kReels + 1> spinTicks_{};
    std::array<int, kReels + 1> blurFrame_{};
    std::array<bool, kReels + 1> reelStopped_{};
};

}  // namespace kestrel::ui
