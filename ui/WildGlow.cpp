#include "WildGlow.h"

#include <QLabel>

#include "Geometry.h"
#include "ReelAnimation.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kFrames = 6;
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

WildGlow::WildGlow(QObject* parent, Clock& clock, const Machine& machine, ReelAnimation& reels,
                   const ArtBook& art)
    : QObject(parent),
      machine_(machine),
      reels_(reels),
      art_(art),
      timerwild_(clock.createTimer(this, kTickMs)) {
    timerwild_->setObjectName(QStringLiteral("timerwild"));
    connect(timerwild_, &ClockTimer::timeout, this, &WildGlow::onTick);
}

void WildGlow::settle() {
    const WildStart w = wildStartFor(machine_.records(), machine_.result(), machine_.linesPlayed());
    lineWinFlag_ = lineWinFlag_ || w.lineWinFlag;
    if (w.start) {
        timerwild_->start();
    }
}

void WildGlow::onTick() {
    if (machine_.spinWin() < 1) {
        timerwild_->stop();
        return;
    }
    if (++wildFrame_ == kFrames + 1) {
        wildFrame_ = 1;
    }
    showFrame(2);
    showFrame(3);
    if (lineWinFlag_) {
        showFrame(4);
    }
}

void WildGlow::showFrame(int reel) {
    const int cell = machine_.records().wildCell[reel];
    if (cell < 1 || cell > kCells || cellReel(cell) != reel) {
        return;
    }
    const int offset = kFrames * static_cast<int>(cellRow(cell));
    reels_.cell(cell)->setPixmap(art_.picture(PictureList::ImageList2, wildFrame_ + offset));
}

}  // namespace kestrel::ui
