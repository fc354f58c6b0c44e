#pragma once

#include <QObject>

namespace kestrel {

// A repeating interval timer handed out by a Clock. Starting a running timer leaves it running
// on its old rhythm (like switching on a timer that is already on).
class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(QObject* parent, int intervalMs) : QObject(parent), interval_(intervalMs) {}

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    int interval() const { return interval_; }

signals:
    void timeout();

private:
    int interval_;
};

}  // namespace kestrel
