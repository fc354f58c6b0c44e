#pragma once

#include <QElapsedTimer>

#include "Clock.h"

namespace kestrel {

// The clock of the running program: QTimer ticks and single shots on the event loop.
class QtClock final : public Clock {
public:
    QtClock();

    ClockTimer* createTimer(QObject* parent, int intervalMs, TimerPrecision precision) override;
    void singleShot(QObject* context, int ms, std::function<void()> fn) override;
    qint64 now() const override { return elapsed_.elapsed(); }
    qint64 secondsSinceEpoch() const override;

private:
    QElapsedTimer elapsed_;
};

}  // namespace kestrel
