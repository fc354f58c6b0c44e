#include "LineFlash.h"

#include "Durations.h"
#include "Paylines.h"
#include "ReelWindow.h"

namespace kestrel::ui {

namespace {
constexpr int kTicksPerLine = 5;
}  // namespace

LineFlash::LineFlash(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels)
    : QObject(parent),
      machine_(machine),
      reels_(reels),
      tmrlineflash_(clock.createTimer(this, duration::kLineFlashTick)) {
    tmrlineflash_->setObjectName(QStringLiteral("tmrlineflash"));
    connect(tmrlineflash_, &ClockTimer::timeout, this, &LineFlash::onTick);
}

bool LineFlash::anyLineWon() const {
    for (int k = 1; k <= machine_.linesPlayed(); ++k) {
        if (machine_.result().winCount[k] >= 2) {
            return true;
        }
    }
    return false;
}

// Each win is shown from its first winning line, drawn on the first tick, whatever line and tick
// the flash of the last win was cut off at.
void LineFlash::start() {
    flashLine_ = 0;
    flashTick_ = 0;
    phase_ = 0;
    tmrlineflash_->start();
}

void LineFlash::stop() {
    tmrlineflash_->stop();
    reels_.hideLine();
    reels_.showAllMarkers();
    reels_.showAllCells();
    shownLine_ = 0;
}

void LineFlash::onTick() {
    reels_.showAllCells();
    if (shownLine_ != 0) {
        reels_.setMarkerShown(shownLine_, true);
    }
    const SpinResult& result = machine_.result();
    const int played = machine_.linesPlayed();
    int won = 0;
    for (int k = 1; k <= played; ++k) {
        won += result.winLine[k] > 0;
    }
    if (won == 0) {
        stop();
        return;
    }
    ++flashTick_;
    ++phase_;
    for (;;) {
        if (flashLine_ > played || flashLine_ < 1) {
            flashLine_ = 1;
            flashTick_ = 1;
        } else if (result.winLine[flashLine_] == 0 || flashTick_ > kTicksPerLine) {
            ++flashLine_;
            flashTick_ = 1;
        } else {
            break;
        }
    }
    if (phase_ > 1 || flashTick_ == kTicksPerLine) {
        phase_ = 0;
    }

    const int line = result.winLine[flashLine_];
    const bool lit = phase_ != 0;
    if (lit) {
        reels_.drawLine(line);
    } else {
        reels_.blinkLineOff();
    }
    // The marker blinks against the line.
    reels_.setMarkerShown(line, !lit);
    shownLine_ = line;
    const int count = result.winCount[flashLine_];
    if (count >= 2 && count <= kReels) {
        reels_.setCellLit(lineCell(line, 1), lit);
        const auto& wildCell = machine_.records().wildCell;
        for (int r = 2; r <= count; ++r) {
            const int cell = lineCell(line, r);
            reels_.setCellLit(cell, wildCell[r] == cell || lit);
        }
    }
}

}  // namespace kestrel::ui
