#pragma once

#include <QObject>
#include <vector>

#include "Clock.h"

namespace kestrel {

// A clock whose time moves only when told: advance(ms) fires every tick that falls due, in
// time order, running pauses and deferred presses as the real clock would. Tests play minutes of
// the game in milliseconds with it.
class VirtualClock final : public Clock {
public:
    VirtualClock() = default;
    ~VirtualClock() override;

    ClockTimer* createTimer(QObject* parent, int intervalMs, TimerPrecision precision) override;
    void pause(int ms) override;
    void yield() override;
    void defer(QObject* context, std::function<void()> fn) override;
    qint64 now() const override { return now_; }

    // Moves time forward by ms, firing what falls due and running deferred calls.
    void advance(qint64 ms);
    // Runs deferred calls and posted Qt events without moving time.
    void settle();

    class Timer;
    void forget(Timer* timer);

private:
    void runUntil(qint64 target);
    void flushDeferred();

    struct Deferred {
        QPointer<QObject> context;
        std::function<void()> fn;
    };

    qint64 now_ = 0;
    int nesting_ = 0;
    quint64 sequence_ = 0;  // orders timers falling due at the same moment
    std::vector<Timer*> timers_;
    std::vector<Deferred> deferred_;
};

}  // namespace kestrel
