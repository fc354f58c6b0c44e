#include "WinCounter.h"

#include "Durations.h"
#include "MoneyMeter.h"

namespace kestrel::ui {

int rollStepFor(std::int64_t rollCount) {
    struct Band {
        std::int64_t upTo;
        int step;
    };
    constexpr Band kBands[] = {{0, 0},    {100, 1},  {120, 14},  {150, 20},   {200, 30},  {300, 40},
                               {450, 60}, {600, 80}, {700, 100}, {1000, 150}, {1500, 200}};
    for (const Band& band : kBands) {
        if (rollCount <= band.upTo) {
            return band.step;
        }
    }
    return 500;
}

WinCounter::WinCounter(QObject* parent, Clock& clock, const Machine& machine, WinMeter& winMeter,
                       CreditMeter& creditMeter)
    : QObject(parent),
      machine_(machine),
      winMeter_(winMeter),
      creditMeter_(creditMeter),
      Timerwincounter_(clock.createTimer(this, duration::kWinCountTick)) {
    Timerwincounter_->setObjectName(QStringLiteral("Timerwincounter"));
    connect(Timerwincounter_, &ClockTimer::timeout, this, &WinCounter::onTick);
}

void WinCounter::count(std::int32_t win, std::int32_t credited, bool rolling) {
    roll_ = RollUp{};
    win_ = win;
    credited_ = credited;
    rolling_ = rolling;
    counting_ = true;
    Timerwincounter_->start();
}

void WinCounter::onTick() {
    if (!roll_.tick(win_, rolling_)) {
        winMeter_.show(roll_.count);
        return;
    }
    finish();
}

void WinCounter::finish() {
    if (!counting_) {
        return;
    }
    counting_ = false;
    Timerwincounter_->stop();
    winMeter_.show(win_);
    showCredit();
}

void WinCounter::showCredit() {
    const std::int32_t bank = machine_.player().bank;
    creditMeter_.show(counting_ ? bank - credited_ : bank);
}

}  // namespace kestrel::ui
