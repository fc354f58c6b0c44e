#pragma once

#include <QObject>
#include <cstdint>

#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class CreditMeter;
class WinMeter;

// Credits added per tick of the roll-up once the count has reached rollCount: one at a time
// up to 100, then faster and faster.
int rollStepFor(std::int64_t rollCount);

// The count of a roll-up: each tick adds the step and picks the next one from the new count.
// With the roll-up off the count jumps to the win and overshoots it on the first tick.
struct RollUp {
    std::int64_t count = 0;
    int step = 1;
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

// Counts a paid win up in the win meter, 50 ms a tick, and shows the new credit only when the
// count is done; with the roll-up off the whole win shows on the first tick.
class WinCounter : public QObject {
    Q_OBJECT
public:
    WinCounter(QObject* parent, Clock& clock, const Machine& machine, WinMeter& winMeter,
               CreditMeter& creditMeter);

    // Counts the win of the spin just settled up, rolling or at once as the player chose;
    // `credited` is what the settling paid into the credit, which the credit meter leaves out
    // until the count is done.
    void count(std::int32_t win, std::int32_t credited, bool rolling);
    // Ends a count in progress showing the whole win and the credit; nothing when idle.
    void finish();
    // Shows the credit as it stands (money put in while the reels turn or a win is counted);
    // during a count the win being counted is left out until the count is done.
    void showCredit();

private:
    void onTick();

    const Machine& machine_;
    WinMeter& winMeter_;
    CreditMeter& creditMeter_;
    ClockTimer* Timerwincounter_;
    RollUp roll_;
    std::int32_t win_ = 0;
    std::int32_t credited_ = 0;  // the part of the credit the count still holds back
    bool rolling_ = false;
    bool counting_ = false;
};

}  // namespace kestrel::ui
