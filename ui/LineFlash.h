#pragma once

#include <QObject>

#include "Clock.h"
#include "Machine.h"

namespace kestrel::ui {

class ReelWindow;

// Shows the winning lines of the last spin one after another, over and over: the line drawn in
// its colour, its marker and its winning symbols blinking, a wild that completes the win held
// lit. Each line shows for five ticks of tmrlineflash, about a second.
class LineFlash : public QObject {
    Q_OBJECT
public:
    LineFlash(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels);

    // Whether a played line won with two or more symbols (the flash has something to show).
    bool anyLineWon() const;
    void start();
    // Stops the flash and puts back the line, the markers and the cells as the result has them.
    void stop();

    int flashLine() const { return flashLine_; }

private:
    void onTick();

    const Machine& machine_;
    ReelWindow& reels_;
    ClockTimer* tmrlineflash_;
    int flashLine_ = 0;
    int flashTick_ = 0;
    int phase_ = 0;
    int shownLine_ = 0;  // the line whose marker the last tick may have hidden
};

}  // namespace kestrel::ui
