#include "ScatterDance.h"

#include <QLabel>

#include "Geometry.h"
#include "ReelAnimation.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kFrames = 6;
}  // namespace

ScatterDance::ScatterDance(QObject* parent, Clock& clock, const Machine& machine,
                           ReelAnimation& reels, const ArtBook& art)
    : QObject(parent),
      machine_(machine),
      reels_(reels),
      art_(art),
      Timerscatters_(clock.createTimer(this, kTickMs)) {
    Timerscatters_->setObjectName(QStringLiteral("Timerscatters"));
    connect(Timerscatters_, &ClockTimer::timeout, this, &ScatterDance::onTick);
}

void ScatterDance::onTick() {
    if (++scatterFrame_ == kFrames + 1) {
        scatterFrame_ = 1;
    }
    for (int reel = 1; reel <= kReels; ++reel) {
        const int cell = machine_.records().scatterCell[reel];
        if (cell < 1 || cell > kCells || cellReel(cell) != reel) {
            continue;
        }
        const int offset = kFrames * static_cast<int>(cellRow(cell));
        reels_.cell(cell)->setPixmap(art_.picture(PictureList::ImageList1, scatterFrame_ + offset));
        reels_.cell(cell)->show();
    }
}

}  // namespace kestrel::ui
