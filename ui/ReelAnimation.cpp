#include "ReelAnimation.h"

#include "Durations.h"
#include "ReelSpeed.h"
#include "ReelWindow.h"

namespace kestrel::ui {

namespace {
constexpr int kBlurFrames = 4;
constexpr int kEvenReelFrames = 6;  // reels 2 and 4 take blur frames 7..10
}  // namespace

ReelAnimation::ReelAnimation(QObject* parent, Clock& clock, ReelWindow& reels)
    : QObject(parent),
      reels_(reels),
      tmrspin_(clock.createTimer(this, duration::kReelTick, TimerPrecision::Precise)),
      tmrtry_(clock.createTimer(this, duration::kReelSettle, TimerPrecision::Precise)),
      reelStopTick_(reelStopTicks(kFastReels)) {
    tmrspin_->setObjectName(QStringLiteral("tmrspin"));
    tmrtry_->setObjectName(QStringLiteral("tmrtry"));
    connect(tmrspin_, &ClockTimer::timeout, this, &ReelAnimation::onSpinTick);
    connect(tmrtry_, &ClockTimer::timeout, this, &ReelAnimation::onTryTick);
}

void ReelAnimation::setSpeed(int reelspeed) {
    reelStopTick_ = reelStopTicks(static_cast<std::int16_t>(reelspeed));
}

void ReelAnimation::start(const SpinRecords& records) {
    reels_.beginSpin(records);
    spinTicks_ = {};
    blurFrame_ = {};
    reelStopped_ = {};
    tmrtry_->stop();
    tmrspin_->start();
}

void ReelAnimation::abandon() {
    tmrspin_->stop();
    tmrtry_->stop();
    reelStopped_ = {};
}

void ReelAnimation::onSpinTick() {
    for (int r = 1; r <= kReels; ++r) {
        ++spinTicks_[r];
        blurFrame_[r] = blurFrame_[r] % kBlurFrames + 1;
    }
    for (int r = 1; r <= kReels; ++r) {
        if (reelStopped_[r]) {
            continue;
        }
        if (spinTicks_[r] <= reelStopTick_[r]) {
            reels_.showBlur(r, blurFrame_[r] + (r % 2 == 0 ? kEvenReelFrames : 0));
        } else {
            stopReel(r);
        }
    }
}

void ReelAnimation::stopReel(int r) {
    reels_.showStopped(r);
    reelStopped_[r] = true;
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
    for (int r = 1; r <= kReels; ++r) {
        if (!reelStopped_[r]) {
            reels_.showStopped(r);
            reelStopped_[r] = true;
        }
    }
    emit reelStopped(kReels);  // one stop sound for them all
    tmrtry_->start();
}

void ReelAnimation::onTryTick() {
    for (int r = 1; r <= kReels; ++r) {
        if (reelStopped_[r]) {
            reels_.showCells(r);
        }
    }
    tmrtry_->stop();
    if (reelStopped_[kReels]) {
        reelStopped_ = {};
        emit spinEnded();
    }
}

}  // namespace kestrel::ui
