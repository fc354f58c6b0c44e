// Free spins (announcement, count-down, completion), take-win and autoplay.
#include "AutoplayNotice.h"
#include "BetMeter.h"
#include "Bets.h"
#include "Durations.h"
#include "FeatureBanners.h"
#include "MachineWindow.h"
#include "MoneyMeter.h"
#include "Sounds.h"

namespace kestrel::ui {

namespace {
const QString kAutoplayNotice = QStringLiteral(
    " ..............PLEASE READ.................\r"
    " When you use this function all other Functions are\r"
    "   unavailable to you until you turn the Autoplay OFF \r"
    " To turn Autoplay OFF Click on the Autoplayoff button.\r"
    "  \r"
    "  This message will not appear again");
}  // namespace

void MachineWindow::connectFeatureControls() {
    connect(cabinet_.takewin, &PictureButton::mouseDown, this, &MachineWindow::onTakeWin);
    connect(cabinet_.autoplayon, &PictureButton::mouseDown, this, &MachineWindow::onAutoplayOn);
    connect(cabinet_.autoplayoff, &PictureButton::mouseDown, this, &MachineWindow::onAutoplayOff);
    connect(tmrautospin_, &ClockTimer::timeout, this, &MachineWindow::onAutospinPoll);
    connect(Timerrespin_, &ClockTimer::timeout, this, &MachineWindow::onRespinPoll);
}

// --- free spins -----------------------------------------------------------------------------

// Three or more specials: the banner slides in and blinks, the sounds announce the feature,
// and only then does the settling go on.
void MachineWindow::announceFeature(const Settlement& settled) {
    banners_->announce(machine_.freeSpins().spinsLeft());
    bet_->showThisWin(machine_.spinWin());
    win_->show(machine_.featureWin());
    sequence_
        .then(duration::kBannerSlide,
              [this, settled] {
                  if (settled.firstTrigger) {
                      playSound(sound::kFreeSpinsWon);
                  }
              })
        .then(duration::kTriggerPause, [this, settled] {
            if (settled.firstTrigger) {
                playSound(sound::kFreeSpinTune, true);
            }
            finishSettling(settled);
        });
}

// The settling of every spin of a feature, the triggering one included.
void MachineWindow::countDown(const Settlement& settled) {
    bet_->showThisWin(machine_.spinWin());
    win_->show(machine_.featureWin());
    if (settled.freeSpin && !settled.triggered) {
        banners_->showSpinsLeft(machine_.freeSpins().spinsLeft());
    }
    if (settled.completed) {
        completeFeature();
        return;
    }
    enterMode(Mode::FreeSpins);
    Timerrespin_->start();
}

void MachineWindow::completeFeature() {
    playSound(sound::kFeatureComplete);
    Timerrespin_->stop();
    banners_->showCompleted();
    enterMode(Mode::FeatureWon);  // the total waits for take-win, autoplay's or the player's
}

// The next free spin comes about five seconds after the last one settled.
void MachineWindow::onRespinPoll() {
    if (mode_.is(Mode::FreeSpins) && idleTicks_ > duration::kRespinIdleTicks) {
        spin(playButtonOfBet(machine_.betPerLine()));
    }
}

void MachineWindow::onTakeWin() {
    if (controls().takeWin.enabled) {
        takeWin();
    }
}

void MachineWindow::takeWin() {
    const std::int32_t featureWin = machine_.featureWin();
    if (!mode_.is(Mode::FeatureWon) || !machine_.takeWin()) {
        return;
    }
    if (autoplay_.isOn()) {
        machine_.declineGamble();  // as for a paid win autoplay settled
    }
    saveGame();
    playSound(sound::kWinTaken);
    win_->show(featureWin);
    credit_->show(machine_.player().bank);
    bet_->showLastBetFace();
    banners_->showPlate();
    idleTicks_ = 0;
    autoplayNext_ = autoplay_.afterTakeWin();
    enterMode(Mode::Idle);
    if (!autoplay_.isOn()) {
        if (const int k = playButtonOfBet(machine_.betPerLine()); k != 0) {
            cabinet_.play[k]->setFocus();
        }
    }
}

// --- autoplay -------------------------------------------------------------------------------

void MachineWindow::onAutoplayOn() {
    if (!controls().autoplayOn.enabled) {
        return;
    }
    cabinet_.autoplayon->showPressedLook();
    AutoplayNotice notice(services_.settings);
    const bool noticeShown = notice.shown(false);
    if (!noticeShown) {
        (void)notice.markShown();
        showStoreProblem();
    }
    if (noticeShown) {
        startAutoplay();
        return;
    }
    // The first time ever, the player reads how autoplay works before it starts.
    enterMode(Mode::Dialog);
    services_.messages.inform(services_.dialogParent, machineBoxTitle(), kAutoplayNotice, [this] {
        if (mode_.is(Mode::Dialog)) {
            closeOverlay();
            startAutoplay();
        }
    });
}

void MachineWindow::startAutoplay() {
    if (!mode_.is(Mode::Idle) || !autoplay_.switchOn(machine_.betPerLine())) {
        return;
    }
    tmrautospin_->start();
    applyControls();
    spin(playButtonOfBet(machine_.betPerLine()));
}

void MachineWindow::onAutoplayOff() {
    if (!controls().autoplayOff.enabled) {
        return;
    }
    cabinet_.autoplayoff->showPressedLook();
    autoplay_.switchOff();
    autoplayNext_ = {};
    tmrautospin_->stop();
    applyControls();
}

// Autoplay's next move comes once its wait, counted in idle ticks, is over.
void MachineWindow::onAutospinPoll() {
    const Autoplay::Next next = autoplayNext_;
    if (!autoplay_.isOn() || next.action == Autoplay::Action::None ||
        idleTicks_ < next.afterTicks) {
        return;
    }
    if (next.action == Autoplay::Action::TakeWin && mode_.is(Mode::FeatureWon)) {
        takeWin();
    } else if (next.action == Autoplay::Action::Spin && mode_.is(Mode::Idle)) {
        spin(playButtonOfBet(machine_.betPerLine()));
    }
}

}  // namespace kestrel::ui
