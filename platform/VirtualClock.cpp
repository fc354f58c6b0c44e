#include "VirtualClock.h"

#include <QCoreApplication>
#include <algorithm>

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
        emit timeout();
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

void VirtualClock::singleShot(QObject* context, int ms, std::function<void()> fn) {
    shots_.push_back({now_ + std::max(ms, 0), ++sequence_, context, std::move(fn)});
}

// One thing at a time, the earliest first: a timer tick or a single shot, each of which may
// schedule more.
void VirtualClock::runUntil(qint64 target) {
    for (;;) {
        Timer* timer = nullptr;
        for (Timer* t : timers_) {
            if (t->active_ && t->due_ <= target &&
                (timer == nullptr || t->due_ < timer->due_ ||
                 (t->due_ == timer->due_ && t->order_ < timer->order_))) {
                timer = t;
            }
        }
        auto shot = shots_.end();
        for (auto s = shots_.begin(); s != shots_.end(); ++s) {
            if (s->due <= target && (shot == shots_.end() || s->due < shot->due ||
                                     (s->due == shot->due && s->order < shot->order))) {
                shot = s;
            }
        }
        const bool shotFirst =
            shot != shots_.end() && (timer == nullptr || shot->due < timer->due_ ||
                                     (shot->due == timer->due_ && shot->order < timer->order_));
        if (shotFirst) {
            now_ = std::max(now_, shot->due);
            Shot due = std::move(*shot);
            shots_.erase(shot);
            if (due.context) {
                due.fn();
            }
        } else if (timer != nullptr) {
            now_ = std::max(now_, timer->due_);
            timer->tick();
        } else {
            break;
        }
    }
    now_ = std::max(now_, target);
}

void VirtualClock::settle() {
    QCoreApplication::processEvents();
    runUntil(now_);
}

void VirtualClock::advance(qint64 ms) {
    settle();
    runUntil(now_ + ms);
    settle();
}

}  // namespace kestrel
