#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class ReelAnimation;

// Two or more specials make the dancing couples dance: every 100 ms each scatter cell shows
// the next of six frames for its row.
class ScatterDance : public QObject {
    Q_OBJECT
public:
    ScatterDance(QObject* parent, Clock& clock, const Machine& machine, ReelAnimation& reels,
                 const ArtBook& art);

    void start() { Timerscatters_->start(); }
    void stop() { Timerscatters_->stop(); }
    void rewind() { scatterFrame_ = 0; }  // each spin's dance begins with frame 1
    ClockTimer* timer() const { return Timerscatters_; }
    int frame() const { return scatterFrame_; }

private:
    void onTick();

    const Machine& machine_;
    ReelAnimation& reels_;
    const ArtBook& art_;
    ClockTimer* Timerscatters_;
    int scatterFrame_ = 0;
};

}  // namespace kestrel::ui
