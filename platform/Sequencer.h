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
//     sequence.then(kLosingSpinPauseMs, [this] { showNoWin(); })
//             .then(0, [this] { startFlash(); });
class Sequencer {
public:
    Sequencer(Clock& clock, QObject* context);

    // Appends a step that runs delayMs after the previous one has run (or from now, when nothing
    // is pending). A step may append further steps; they follow the ones already queued.
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
    void runFront(quint64 generation);

    Clock& clock_;
    QObject* context_;
    std::deque<Step> steps_;
    bool scheduled_ = false;
    quint64 generation_ = 0;  // a cancel makes the shots already on the clock stale
};

}  // namespace kestrel
