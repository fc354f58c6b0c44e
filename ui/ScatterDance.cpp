#include "ScatterDance.h"

#include "Durations.h"
#include "Geometry.h"
#include "ReelWindow.h"

namespace kestrel::ui {

namespace {
constexpr int kFrames = 6;

// The scatter's cell on a reel, or 0 when the reel shows none.
int scatterCellOf(const SpinRecords& records, int reel) {
    const int cell = records.scatterCell[reel];
    return cell >= 1 && cell <= kCells && cellReel(cell) == reel ? cell : 0;
}
}  // namespace

ScatterDance::ScatterDance(QObject* parent, Clock& clock, const Machine& machine, ReelWindow& reels)
    : QObject(parent),
      machine_(machine),
      reels_(reels),
      Timerscatters_(clock.createTimer(this, duration::kScatterFrame)) {
    Timerscatters_->setObjectName(QStringLiteral("Timerscatters"));
    connect(Timerscatters_, &ClockTimer::timeout, this, &ScatterDance::onTick);
}

void ScatterDance::start() {
    scatterFrame_ = 0;
    Timerscatters_->start();
}

void ScatterDance::stop() {
    Timerscatters_->stop();
    for (int reel = 1; reel <= kReels; ++reel) {
        if (const int cell = scatterCellOf(machine_.records(), reel)) {
            reels_.restoreCell(cell);
        }
    }
}

void ScatterDance::onTick() {
    scatterFrame_ = scatterFrame_ % kFrames + 1;
    for (int reel = 1; reel <= kReels; ++reel) {
        if (const int cell = scatterCellOf(machine_.records(), reel)) {
            const int offset = kFrames * static_cast<int>(cellRow(cell));
            reels_.showCellFrame(cell, PictureList::ScatterDanceFrames, scatterFrame_ + offset);
            reels_.setCellLit(cell, true);
        }
    }
}

}  // namespace kestrel::ui
