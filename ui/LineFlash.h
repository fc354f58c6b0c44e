#pragma once

#include <QLabel>
#include <QObject>
#include <array>

#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class LineOverlay;
class ReelAnimation;

// Shows the winning lines of the last spin one after another, over and over: the line drawn
// in its colour, its marker and its winning symbols blinking, a wild that completes the win held
// lit. Each line is shown for five ticks of tmrlineflash (50 ms plus a 150 ms pause each).
class LineFlash : public QObject {
    Q_OBJECT
public:
    LineFlash(QObject* parent, Clock& clock, const Machine& machine, ReelAnimation& reels,
              LineOverlay& overlay, const std::array<QLabel*, 27>& markers);

    // Whether a played line won with two or more symbols (the flash has something to show).
    bool anyLineWon() const;
    void start();
    void stop();
    ClockTimer* timer() const { return tmrlineflash_; }

    int flashLine() const { return flashLine_; }
    int flashTick() const { return flashTick_; }
    int phase() const { return phase_; }

private:
    void onTick();

    Clock& clock_;
    const Machine& machine_;
    ReelAnimation& reels_;
    LineOverlay& overlay_;
    const std::array<QLabel*, 27>& lin_;
    ClockTimer* tmrlineflash_;
    int flashLine_ = 0;
    int flashTick_ = 0;
    int phase_ = 0;
};

}  // namespace kestrel::ui
