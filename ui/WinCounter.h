#pragma once

#include <QObject>
#include <cstdint>

#include "Cabinet.h"
#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

// Credits added per tick of the roll-up once the count has reached rollCount: one at a time
// up to 100, then faster and faster.
int rollStepFor(std::int64_t rollCount);

// The count of a roll-up: each tick adds the step and picks the next one from the new count.
// With the roll-up off the count jumps to the win and overshoots it on the first tick. A count
// left without a step (take-win clears it) still moves on by one, so it always finishes.
struct RollUp {
    std::int64_t count = 0;
    int step = 0;
    // One tick towards `win`; true when the count has reached it.
    bool tick(std::int32_t win, bool rolling) {
        if (!rolling) {
            count = win;
        }
        count += step > 0 ? step : 1;
        step = rollStepFor(count);
        return count >= win;
    }
};

// Counts a paid win up in the win meters, 50 ms a tick, and refreshes the credit meters only
// when the count is done; with the roll-up off (winroll 0) the whole win shows on the first
// tick. During free spins it shows the feature totals at once and hands over to the re-spin.
class WinCounter : public QObject {
    Q_OBJECT
public:
    WinCounter(QObject* parent, Clock& clock, const Machine& machine, Cabinet& cabinet);

    // The evaluation of a winning spin starts the count at one credit a tick.
    void prepare() { roll_.step = 1; }
    void start() { Timerwincounter_->start(); }
    void stop() { Timerwincounter_->stop(); }
    // Ends a paid win's count at once: the whole win and the credit show.
    void finish();
    // Drops a count in progress (a new spin begins).
    void clear() { roll_.count = 0; }
    // The feature's take-win resets the count entirely.
    void reset() { roll_ = RollUp{}; }

    ClockTimer* timer() const { return Timerwincounter_; }
    std::int64_t rollCount() const { return roll_.count; }
    int rollStep() const { return roll_.step; }

signals:
    void freeSpinShown();  // free-spin mode finished its single tick

private:
    void onTick();
    void tickNormal();
    void tickFreeSpin();
    void showWhole();

    Clock& clock_;
    const Machine& machine_;
    Cabinet& c_;
    ClockTimer* Timerwincounter_;
    RollUp roll_;
};

}  // namespace kestrel::ui
