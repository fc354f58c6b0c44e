#include "WildGlow.h"

#include "Durations.h"
#include "Geometry.h"
#include "ReelWindow.h"

namespace kestrel::ui {

namespace {
constexpr int kFrames = 6;
constexpr int kFirstWildReel = 2;
constexpr int kLastWildReel = 4;
}  // namespace

WildStart wildStartFor(const SpinRecords& records, const SpinResult& result, int linesPlayed) {
    WildStart w;
    for (int k = 1; k <= linesPlayed && k <= kLines; ++k) {
        const bool throughWild = records.lineSum[SpinRecords::kWildSum][k] > 0;
        if (result.winCount[k] >= 3) {
            w.lineWinFlag = true;
        }
        if (throughWild && records.specialCount > 1) {
            w.start = true;
            w.lineWinFlag = true;
        }
        if (result.winCount[k] > 2 && throughWild) {
            w.start = true;
        }
    }
    return w;
}

WildGlow::WildGlow(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels)
    : QObject(parent),
      machine_(machine),
      reels_(reels),
      timerwild_(clock.createTimer(this, duration::kWildFrame)) {
    timerwild_->setObjectName(QStringLiteral("timerwild"));
    connect(timerwild_, &ClockTimer::timeout, this, &WildGlow::onTick);
}

void WildGlow::settle() {
    const WildStart w = wildStartFor(machine_.records(), machine_.result(), machine_.linesPlayed());
    wildFrame_ = 0;
    lineWinFlag_ = w.lineWinFlag;
    if (w.start) {
        timerwild_->start();
    }
}

void WildGlow::stop() {
    timerwild_->stop();
    for (int reel = kFirstWildReel; reel <= kLastWildReel; ++reel) {
        if (const int cell = glowingCell(reel)) {
            reels_.restoreCell(cell);
        }
    }
}

// The wild's cell on a reel that can hold one, or 0; reel 4's glows only with the flag raised.
int WildGlow::glowingCell(int reel) const {
    const int cell = machine_.records().wildCell[reel];
    if (cell < 1 || cell > kCells || cellReel(cell) != reel) {
        return 0;
    }
    return reel == kLastWildReel && !lineWinFlag_ ? 0 : cell;
}

void WildGlow::onTick() {
    if (machine_.spinWin() < 1) {
        timerwild_->stop();
        return;
    }
    wildFrame_ = wildFrame_ % kFrames + 1;
    for (int reel = kFirstWildReel; reel <= kLastWildReel; ++reel) {
        if (const int cell = glowingCell(reel)) {
            const int offset = kFrames * static_cast<int>(cellRow(cell));
            reels_.showCellFrame(cell, PictureList::WildGlowFrames, wildFrame_ + offset);
        }
    }
}

}  // namespace kestrel::ui
