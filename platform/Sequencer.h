#pragma once

#include <QObject>
#include <deque>
#include <functional>

#include "Clock.h"

namespace kestrel {

// Runs steps one after another, each a given time after the one before, on the clock's single
// shots. Between two steps control is back in the event loop: the window paints, other timers
// tick, and a press that arrives meanwhile is taken or refused by whoever owns the mode, never
// half-way through a step.
//
// A step's time counts from when the step before was due, not from when it finished: the work
// of a step (a card's reveal frame drawn for a large screen) does not add up over a run of
// steps, which keeps the pace its delays give as long as each step takes less than its delay.
//
//     sequence.then(kLosingSpinPauseMs, [this] { showNoWin(); })
//             .then(0, [this] { startFlash(); });
class Sequencer {
public:
    Sequencer(Clock& clock, QObject* context);

    // Appends a step that runs delayMs after the previous one was due to run (or from now, when
    // nothing is pending). A step may append further steps; they follow the ones already queued.
    Sequencer& then(int delayMs, std::function<void()> step);
    // Drops every step that has not run yet.
    void cancel();
    bool busy() const { return !steps_.empty(); }

private:
    struct Step {
        int delayMs;
        std::function<void()> run;
    };
    void scheduleFront();
    void runFront(quint64 generation, qint64 due);

    Clock& clock_;
    QObject* context_;
    std::deque<Step> steps_;
    bool scheduled_ = false;
    bool running_ = false;    // inside a step
    qint64 due_ = 0;          // when the front step's delay starts: the last step's time, or now
    quint64 generation_ = 0;  // a cancel makes the shots already on the clock stale
};

}  // namespace kestrel
