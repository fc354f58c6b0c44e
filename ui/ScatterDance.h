#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class ReelWindow;

// Two or more specials make the dancing couples dance: every 100 ms each scatter cell shows the
// next of six frames for its row.
class ScatterDance : public QObject {
    Q_OBJECT
public:
    ScatterDance(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels);

    // Starts with the first frame.
    void start();
    // Stops and gives the scatter cells their own symbol back.
    void stop();

private:
    void onTick();

    const Machine& machine_;
    ReelWindow& reels_;
    ClockTimer* Timerscatters_;
    int scatterFrame_ = 0;
};

}  // namespace kestrel::ui
