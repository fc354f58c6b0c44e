#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <vector>

#include "Clock.h"

namespace kestrel {

// The clock of the running program: QTimer ticks and local event loops.
class QtClock final : public QObject, public Clock {
    Q_OBJECT
public:
    QtClock();

    ClockTimer* createTimer(QObject* parent, int intervalMs, TimerPrecision precision) override;
    void pause(int ms) override;
    void yield() override;
    void defer(QObject* context, std::function<void()> fn) override;
    qint64 now() const override { return elapsed_.elapsed(); }

private:
    struct Deferred {
        QPointer<QObject> context;
        std::function<void()> fn;
    };
    void scheduleFlush();
    void flush();
    void leaveNested();

    QElapsedTimer elapsed_;
    int nesting_ = 0;  // pauses and yields in progress
    bool flushScheduled_ = false;
    std::vector<Deferred> deferred_;
};

}  // namespace kestrel
