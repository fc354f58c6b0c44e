#pragma once

#include <QObject>
#include <functional>

#include "Cabinet.h"
#include "Clock.h"

namespace kestrel::ui {

// The "free spins won" banner: it slides in from the left, blinks for two seconds (two ticks
// shown, two hidden) and gives way to the spins-left banner with its count.
class FreeSpinBanners : public QObject {
    Q_OBJECT
public:
    FreeSpinBanners(QObject* parent, Clock& clock, Cabinet& cabinet);

    // Slides ctlfrees1 to its place over about a third of a second, the window painting.
    void slideIn();
    // Starts the blink; when it ends the spins-left banner shows `spinsLeft()`.
    void startBlink();
    void stop() { tmrfrees_->stop(); }
    ClockTimer* timer() const { return tmrfrees_; }

    std::function<int()> spinsLeft;

private:
    void onTick();

    Clock& clock_;
    Cabinet& c_;
    ClockTimer* tmrfrees_;
    int bannerTick_ = 0;
    int bannerPhase_ = 0;
};

}  // namespace kestrel::ui
