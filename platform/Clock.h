#pragma once

#include <QObject>
#include <functional>

#include "ClockTimer.h"

namespace kestrel {

enum class TimerPrecision { Coarse, Precise };

// Every timer and single shot of the window goes through one clock, so the program runs on real
// time and the tests on a virtual time they advance at will. Nothing here waits: a step that
// must come later is scheduled, and control goes back to the event loop meanwhile.
class Clock {
public:
    virtual ~Clock() = default;

    // A stopped timer owned by parent.
    virtual ClockTimer* createTimer(QObject* parent, int intervalMs,
                                    TimerPrecision precision = TimerPrecision::Coarse) = 0;

    // Runs fn once, ms from now, from the event loop; nothing runs if context is gone by then.
    virtual void singleShot(QObject* context, int ms, std::function<void()> fn) = 0;

    // Milliseconds since the clock started.
    virtual qint64 now() const = 0;

    // The calendar time in seconds since the epoch, which the records keep with each game.
    virtual qint64 secondsSinceEpoch() const = 0;
};

}  // namespace kestrel
