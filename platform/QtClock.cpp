#include "QtClock.h"

#include <QDateTime>
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
        QObject::connect(&timer_, &QTimer::timeout, this, &ClockTimer::timeout);
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

QtClock::QtClock() {
    elapsed_.start();
}

ClockTimer* QtClock::createTimer(QObject* parent, int intervalMs, TimerPrecision precision) {
    return new QtClockTimer(parent, intervalMs, precision);
}

void QtClock::singleShot(QObject* context, int ms, std::function<void()> fn) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(fn));
}

qint64 QtClock::secondsSinceEpoch() const {
    return QDateTime::currentSecsSinceEpoch();
}

}  // namespace kestrel
