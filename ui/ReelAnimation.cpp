#include "ReelAnimation.h"

#include "Layout.h"

namespace kestrel::ui {

namespace {
constexpr int kSpinTickMs = 50;
constexpr int kTryTickMs = 200;
constexpr int kPlainReelPicture = 11;
constexpr int kIdleReelPicture = 11;  // + reel number
constexpr std::array<int, kReels + 1> kFastStops = {0, 5, 10, 15, 20, 25};
constexpr std::array<int, kReels + 1> kSlowStops = {0, 5, 20, 35, 50, 65};
}  // namespace

ReelAnimation::ReelAnimation(QWidget* window, Clock& clock, const ArtBook& art)
    : QObject(window),
      art_(art),
      tmrspin_(clock.createTimer(this, kSpinTickMs, TimerPrecision::Precise)),
      tmrtry_(clock.createTimer(this, kTryTickMs, TimerPrecision::Precise)) {
    tmrspin_->setObjectName(QStringLiteral("tmrspin"));
    tmrtry_->setObjectName(QStringLiteral("tmrtry"));
    for (int r = 1; r <= kReels; ++r) {
        auto* picture = new QLabel(window);
        picture->setObjectName(QStringLiteral("Picture%1").arg(r));
        picture->setGeometry(layout::reelRect(r));
        Picture_[r] = picture;
    }
    for (int c = 1; c <= kCells; ++c) {
        auto* cellLabel = new QLabel(window);
        cellLabel->setObjectName(QStringLiteral("flasher%1").arg(c));
        const int r = cellReel(c);
        const QRect reel = layout::reelRect(r);
        cellLabel->setGeometry(reel.x(), reel.y() + 125 * static_cast<int>(cellRow(c)), 125, 125);
        cellLabel->hide();
        flasher_[c] = cellLabel;
    }
    connect(tmrspin_, &ClockTimer::timeout, this, &ReelAnimation::onSpinTick);
    connect(tmrtry_, &ClockTimer::timeout, this, &ReelAnimation::onTryTick);
}

void ReelAnimation::setSpeed(int reelspeed) {
    if (reelspeed == 1) {
        reelStopTick_ = kFastStops;
    } else if (reelspeed == 2) {
        reelStopTick_ = kSlowStops;
    }
}

void ReelAnimation::clearState() {
    spinTicks_ = {};
    blurFrame_ = {};
    reelStopped_ = {};
}

void ReelAnimation::start(const SpinRecords& records) {
    records_ = records;
    clearState();
    tmrtry_->stop();
    tmrspin_->start();
}

void ReelAnimation::abandon() {
    tmrspin_->stop();
    tmrtry_->stop();
    clearState();
}

bool ReelAnimation::turning() const {
    return tmrspin_->isActive();
}

void ReelAnimation::onSpinTick() {
    for (int r = 1; r <= kReels; ++r) {
        ++spinTicks_[r];
        if (++blurFrame_[r] == 5) {
            blurFrame_[r] = 1;
        }
    }
    for (int r = 1; r <= kReels; ++r) {
        if (reelStopped_[r] == 1) {
            continue;
        }
        if (spinTicks_[r] <= reelStopTick_[r]) {
            const int frame = blurFrame_[r] + (r % 2 == 0 ? 6 : 0);
            Picture_[r]->setPixmap(art_.picture(PictureList::spinlist, frame));
        } else {
            stopReel(r);
        }
    }
}

void ReelAnimation::stopReel(int r) {
    Picture_[r]->setPixmap(art_.picture(columnList(r), records_.reelStop[r]));
    reelStopped_[r] = 1;
    if (r == kReels) {
        tmrspin_->stop();
    }
    emit reelStopped(r);
    tmrtry_->start();
}

void ReelAnimation::stopNow() {
    if (!tmrspin_->isActive()) {
        return;
    }
    tmrspin_->stop();
    bool stoppedAny = false;
    for (int r = 1; r <= kReels; ++r) {
        if (reelStopped_[r] == 0) {
            Picture_[r]->setPixmap(art_.picture(columnList(r), records_.reelStop[r]));
            reelStopped_[r] = 1;
            stoppedAny = true;
        }
    }
    if (stoppedAny) {
        emit reelStopped(kReels);  // one stop sound for them all
    }
    tmrtry_->start();
}

void ReelAnimation::onTryTick() {
    for (int r = 1; r <= kReels; ++r) {
        if (reelStopped_[r] != 1) {
            continue;
        }
        for (int row = 0; row < kRows; ++row) {
            const int c = cellNumber(r, static_cast<Row>(row));
            flasher_[c]->setPixmap(art_.picture(PictureList::listsingles, records_.cellPic[r][row]));
            flasher_[c]->show();
        }
        Picture_[r]->setPixmap(art_.picture(PictureList::spinlist, kPlainReelPicture));
    }
    tmrtry_->stop();
    if (reelStopped_[kReels] == 1) {
        reelStopped_ = {};
        emit spinEnded();
    }
}

void ReelAnimation::showIdleReels() {
    for (int r = 1; r <= kReels; ++r) {
        Picture_[r]->setPixmap(art_.picture(PictureList::spinlist, kIdleReelPicture + r));
    }
}

void ReelAnimation::hideCells() {
    for (int c = 1; c <= kCells; ++c) {
        flasher_[c]->hide();
    }
}

void ReelAnimation::setReelsVisible(bool visible) {
    for (int r = 1; r <= kReels; ++r) {
        Picture_[r]->setVisible(visible);
    }
}

}  // namespace kestrel::ui
