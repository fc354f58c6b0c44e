#include "VirtualClock.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace kestrel {

class VirtualClock::Timer final : public ClockTimer {
public:
    Timer(VirtualClock& clock, QObject* parent, int intervalMs)
        : ClockTimer(parent, intervalMs), clock_(&clock) {}
    ~Timer() override {
        if (clock_ != nullptr) {
            clock_->forget(this);
        }
    }

    void start() override {
        if (!active_) {
            active_ = true;
            due_ = clock_->now_ + interval();
            order_ = ++clock_->sequence_;
        }
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    void tick() {
        due_ = clock_->now_ + interval();
        order_ = ++clock_->sequence_;
        fire();
    }
    void detach() { clock_ = nullptr; }

    VirtualClock* clock_;
    bool active_ = false;
    qint64 due_ = 0;
    quint64 order_ = 0;
};

VirtualClock::~VirtualClock() {
    for (Timer* t : timers_) {
        t->detach();
    }
}

ClockTimer* VirtualClock::createTimer(QObject* parent, int intervalMs, TimerPrecision) {
    auto* timer = new Timer(*this, parent, intervalMs);
    timers_.push_back(timer);
    return timer;
}

void VirtualClock::forget(Timer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void VirtualClock::runUntil(qint64 target) {
    for (;;) {
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (t->active_ && t->due_ <= target &&
                (next == nullptr || t->due_ < next->due_ ||
                 (t->due_ == next->due_ && t->order_ < next->order_))) {
                next = t;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = std::max(now_, next->due_);
        next->tick();
        if (nesting_ == 0) {
            flushDeferred();
        }
    }
    now_ = std::max(now_, target);
}

void VirtualClock::pause(int ms) {
    ++nesting_;
    QCoreApplication::processEvents();
    runUntil(now_ + ms);
    --nesting_;
}

void VirtualClock::yield() {
    ++nesting_;
    QCoreApplication::processEvents();
    runUntil(now_);
    --nesting_;
}

void VirtualClock::defer(QObject* context, std::function<void()> fn) {
    deferred_.push_back({context, std::move(fn)});
}

void VirtualClock::flushDeferred() {
    while (!deferred_.empty()) {
        Deferred d = std::move(deferred_.front());
        deferred_.erase(deferred_.begin());
        if (d.context) {
            d.fn();
        }
    }
}

void VirtualClock::settle() {
    QCoreApplication::processEvents();
    flushDeferred();
    runUntil(now_);
}

void VirtualClock::advance(qint64 ms) {
    settle();
    const qint64 target = now_ + ms;
    // Step tick by tick so deferred calls run between ticks, as on the real event loop.
    runUntil(target);
    settle();
}

}  // namespace kestrel
