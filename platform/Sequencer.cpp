#include "Sequencer.h"

#include <algorithm>

namespace kestrel {

Sequencer::Sequencer(Clock& clock, QObject* context) : clock_(clock), context_(context) {}

Sequencer& Sequencer::then(int delayMs, std::function<void()> step) {
    if (steps_.empty() && !running_) {
        due_ = clock_.now();
    }
    steps_.push_back({delayMs, std::move(step)});
    if (!scheduled_) {
        scheduleFront();
    }
    return *this;
}

void Sequencer::cancel() {
    steps_.clear();
    scheduled_ = false;
    ++generation_;
}

void Sequencer::scheduleFront() {
    scheduled_ = true;
    const quint64 generation = generation_;
    const qint64 due = due_ + steps_.front().delayMs;
    const qint64 wait = std::max<qint64>(0, due - clock_.now());
    clock_.singleShot(context_, static_cast<int>(wait),
                      [this, generation, due] { runFront(generation, due); });
}

void Sequencer::runFront(quint64 generation, qint64 due) {
    if (generation != generation_ || steps_.empty()) {
        return;
    }
    due_ = due;
    std::function<void()> step = std::move(steps_.front().run);
    steps_.pop_front();
    scheduled_ = false;
    running_ = true;
    step();
    running_ = false;
    // The step may have cancelled the rest or queued (and so scheduled) more.
    if (!scheduled_ && !steps_.empty()) {
        scheduleFront();
    }
}

}  // namespace kestrel
