#pragma once

#include <QObject>

#include "Cabinet.h"
#include "Clock.h"

namespace kestrel::ui {

// The coin animation: 29 ticks of 100 ms alternating the two coin pictures, a 25-credit coin
// going in on every second tick (14 coins, 350 credits). Pressing the coin button while it runs
// adds nothing: the timer is already on and its counters carry on.
class CoinDrop : public QObject {
    Q_OBJECT
public:
    CoinDrop(QObject* parent, Clock& clock, Cabinet& cabinet);

    void start() { tmrcoins_->start(); }
    void stop() { tmrcoins_->stop(); }
    ClockTimer* timer() const { return tmrcoins_; }

signals:
    void tick();        // every tick, before anything else (the line flash stops)
    void coinDropped();  // a coin goes in now

private:
    void onTick();

    Cabinet& c_;
    ClockTimer* tmrcoins_;
    int coinTick_ = 0;
    int coinPhase_ = 0;
};

}  // namespace kestrel::ui
