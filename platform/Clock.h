#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "ClockTimer.h"

namespace kestrel {

enum class TimerPrecision { Coarse, Precise };

// Every timer, pause and "let pending events run" of the window goes through one clock, so the
// program runs on real time and the tests on a virtual time they advance at will.
class Clock {
public:
    virtual ~Clock() = default;

    // A stopped timer owned by parent.
    virtual ClockTimer* createTimer(QObject* parent, int intervalMs,
                                    TimerPrecision precision = TimerPrecision::Coarse) = 0;

    // Waits while the window keeps painting and other timers keep ticking. Mouse and keyboard
    // input waits until the pause is over, as it would behind a blocking sleep.
    virtual void pause(int ms) = 0;

    // Lets pending events run: paints, timer ticks that are due. Input still waits.
    virtual void yield() = 0;

    // Runs fn once the handler that asked has finished: never inside a pause or a yield, so
    // presses made from code never nest (context gone by then: nothing runs).
    virtual void defer(QObject* context, std::function<void()> fn) = 0;

    // Milliseconds since the clock started.
    virtual qint64 now() const = 0;
};

}  // namespace kestrel
