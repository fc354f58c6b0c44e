#pragma once

#include <QObject>

namespace kestrel {

// A repeating interval timer handed out by a Clock. Starting a running timer leaves it running
// on its old rhythm (like switching on a timer that is already on). A tick never nests inside a
// tick of the same timer: while a handler pauses or lets events run, its own timer stays quiet.
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

protected:
    // Delivers one tick unless one of this timer's ticks is still running.
    void fire() {
        if (firing_) {
            return;
        }
        firing_ = true;
        emit timeout();
        firing_ = false;
    }

private:
    int interval_;
    bool firing_ = false;
};

}  // namespace kestrel
