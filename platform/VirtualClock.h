#pragma once

#include <QPointer>
#include <vector>

#include "Clock.h"

namespace kestrel {

// A clock whose time moves only when told: advance(ms) fires every tick and single shot that
// falls due, in time order, as the event loop would. Tests play minutes of the game in
// milliseconds with it.
class VirtualClock final : public Clock {
public:
    VirtualClock() = default;
    ~VirtualClock() override;

    ClockTimer* createTimer(QObject* parent, int intervalMs, TimerPrecision precision) override;
    void singleShot(QObject* context, int ms, std::function<void()> fn) override;
    qint64 now() const override { return now_; }
    // Starts at a fixed calendar moment and moves with the virtual time.
    qint64 secondsSinceEpoch() const override { return kStartOfTime + now_ / 1000; }

    static constexpr qint64 kStartOfTime = 1'788'000'000;  // a day in 2026

    // Moves time forward by ms, firing what falls due.
    void advance(qint64 ms);
    // Delivers posted Qt events and fires what is due now, without moving time.
    void settle();

    class Timer;
    void forget(Timer* timer);

private:
    struct Shot {
        qint64 due;
        quint64 order;
        QPointer<QObject> context;
        std::function<void()> fn;
    };

    void runUntil(qint64 target);

    qint64 now_ = 0;
    quint64 sequence_ = 0;  // orders what falls due at the same moment
    std::vector<Timer*> timers_;
    std::vector<Shot> shots_;
};

}  // namespace kestrel
