#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Presentation.h"

class QLabel;
class QWidget;

namespace kestrel::ui {

// The coin animation near the coin slot: 100 ms ticks alternating the two coin pictures
// (dollar1, halfcoin1), one coin falling on every second tick until the press's coins are in.
class CoinDrop : public QObject {
    Q_OBJECT
public:
    CoinDrop(QWidget* window, Clock& clock, Presentation& presentation);

    // Drops the last `coins` of a press's coins, a coin every other tick, then clears up.
    void start(int coins);
    // Stops at once, the sprites gone.
    void stop();

signals:
    void coinDue();  // the next coin falls into the slot now

private:
    void onTick();

    QLabel* dollar1_;
    QLabel* halfcoin1_;
    ClockTimer* tmrcoins_;
    int coinTick_ = 0;
};

}  // namespace kestrel::ui
