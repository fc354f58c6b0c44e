#include "QtClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kestrel {

namespace {

class QtClockTimer final : public ClockTimer {
public:
    QtClockTimer(QObject* parent, int intervalMs, TimerPrecision precision)
        : ClockTimer(parent, intervalMs), timer_(this) {
        timer_.setInterval(intervalMs);
        timer_.setTimerType(precision == TimerPrecision::Precise ? Qt::PreciseTimer
                                                                 : Qt::CoarseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
    }
    void start() override {
        if (!timer_.isActive()) {
            timer_.start();
        }
    }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

QtClock::QtClock() { elapsed_.start(); }

ClockTimer* QtClock::createTimer(QObject* parent, int intervalMs, TimerPrecision precision) {
    return new QtClockTimer(parent, intervalMs, precision);
}

void QtClock::pause(int ms) {
    ++nesting_;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    leaveNested();
}

void QtClock::yield() {
    ++nesting_;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    leaveNested();
}

void QtClock::leaveNested() {
    --nesting_;
    if (nesting_ == 0 && !deferred_.empty()) {
        scheduleFlush();
    }
}

void QtClock::defer(QObject* context, std::function<void()> fn) {
    deferred_.push_back({context, std::move(fn)});
    scheduleFlush();
}

void QtClock::scheduleFlush() {
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &QtClock::flush);
    }
}

void QtClock::flush() {
    flushScheduled_ = false;
    if (nesting_ > 0) {
        return;  // rescheduled when the outermost pause or yield ends
    }
    std::vector<Deferred> due;
    due.swap(deferred_);
    for (auto& d : due) {
        if (d.context) {
            d.fn();
        }
    }
}

}  // namespace kestrel
