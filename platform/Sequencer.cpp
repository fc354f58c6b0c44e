#include "Sequencer.h"

namespace kestrel {

Sequencer::Sequencer(Clock& clock, QObject* context) : clock_(clock), context_(context) {}

Sequencer& Sequencer::then(int delayMs, std::function<void()> step) {
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
    clock_.singleShot(context_, steps_.front().delayMs,
                      [this, generation] { runFront(generation); });
}

void Sequencer::runFront(quint64 generation) {
    if (generation != generation_ || steps_.empty()) {
        return;
    }
    std::function<void()> step = std::move(steps_.front().run);
    steps_.pop_front();
    scheduled_ = false;
    step();
    // The step may have cancelled the rest or queued (and so scheduled) more.
    if (!scheduled_ && !steps_.empty()) {
        scheduleFront();
    }
}

}  // namespace kestrel
