// Free spins (trigger, count-down, completion), take-win and autoplay.
#include "AutoplayNotice.h"
#include "Bets.h"
#include "FreeSpinBanners.h"
#include "Money.h"
#include "ReelAnimation.h"
#include "Sounds.h"
#include "WinCounter.h"
#include "kestrel.h"

namespace kestrel::ui {

namespace {
constexpr int kTriggerPauseMs = 1500;

const QString kAutoplayNotice = QStringLiteral(
    " ..............PLEASE READ.................\r"
    " When you use this function all other Functions are\r"
    "   unavailable to you until you turn the Autoplay OFF \r"
    " To turn Autoplay OFF Click on the Autoplayoff button.\r"
    "  \r"
    "  This message will not appear again");

QString inDollars(std::int64_t credits) { return QString::fromStdString(dollars(credits)); }
}  // namespace

void kestrel::connectFeatureControls() {
    connect(c_.takewin, &PictureButton::mouseDown, this, &kestrel::onTakeWin);
    connect(c_.autoplayon, &PictureButton::mouseDown, this, &kestrel::onAutoplayOn);
    connect(c_.autoplayoff, &PictureButton::mouseDown, this, &kestrel::onAutoplayOff);
    connect(c_.autoplayoff, &PictureButton::mouseUp, c_.autoplayoff, &QWidget::show);
    connect(tmrautospin_, &ClockTimer::timeout, this, &kestrel::onAutospinTick);
    connect(winCounter_, &WinCounter::freeSpinShown, Timerrespin_, &ClockTimer::start);
}

// Play, line, note, coin, gamble and autoplay controls, all together.
void kestrel::setFeatureControlsEnabled(bool enabled) {
    c_.setPlayButtonsEnabled(enabled);
    c_.setLineButtonsEnabled(enabled);
    c_.notes->setEnabled(enabled);
    c_.coinsin->setEnabled(enabled);
    c_.doublebutton->setEnabled(enabled);
    c_.autoplayoff->setEnabled(enabled);
    c_.autoplayon->setEnabled(enabled);
}

// --- free spins ---------------------------------------------------------------------------

void kestrel::triggerFreeSpins(bool firstTrigger) {
    Timerrespin_->start();
    winCounter_->stop();
    c_.ctrlfreesleft1->hide();
    c_.spinsleft->hide();
    c_.panfreespin->hide();
    banners_->slideIn();
    services_.clock.yield();
    if (firstTrigger) {
        playSound(sound::kFreeSpinsWon);
    }
    banners_->startBlink();
    setFeatureControlsEnabled(false);
    tmrautospin_->stop();  // autoplay keeps its state and resumes after the feature
    c_.LABLASTBET->hide();
    c_.lbllast->hide();
    c_.LABTHISWIN->show();
    c_.Lblcurrentwin->show();
    c_.LABWIN->setText(QString::number(machine_.featureWin()));
    c_.lblwin->setText(inDollars(machine_.spinWin()));
    c_.Lblcurrentwin->setText(QString::number(machine_.spinWin()));
    c_.btnoptions->setEnabled(false);
    keysEnabled_ = false;
    services_.clock.yield();
    services_.clock.pause(kTriggerPauseMs);
    if (firstTrigger) {
        playSound(sound::kFreeSpinTune, true);
    }
}

// The settling of every spin of a feature, the triggering one included.
void kestrel::countDown(const Settlement& settled) {
    c_.Lblcurrentwin->setText(QString::number(machine_.spinWin()));
    c_.LABWIN->setText(QString::number(machine_.featureWin()));
    if (settled.freeSpin && !settled.triggered) {
        Timerrespin_->start();
        c_.spinsleft->show();
        c_.spinsleft->setText(QString::number(machine_.freeSpins().spinsLeft()));
    }
    if (settled.completed) {
        completeFeature();
    } else {
        winCounter_->start();  // free-spin mode: totals at once, then the next re-spin
    }
}

void kestrel::completeFeature() {
    playSound(sound::kFeatureComplete);
    services_.clock.yield();
    Timerrespin_->stop();
    c_.ctrlfreesleft1->hide();
    c_.freespinscompleted1->show();
    c_.spinsleft->hide();
    if (autoplayState_ == 10) {
        tmrautospin_->start();
        pressTakeWin();
        winCounter_->start();
        return;
    }
    c_.LABWIN->setText(QString::number(machine_.featureWin()));
    c_.lblwin->setText(inDollars(machine_.featureWin()));
    c_.Lblcurrentwin->setText(QString::number(machine_.spinWin()));
    c_.takewin->setEnabled(true);
    c_.takewin->show();
}

void kestrel::pressTakeWin() {
    services_.clock.defer(this, [this] { onTakeWin(); });
}

void kestrel::onTakeWin() {
    if (!machine_.featureCompleted() || machine_.phase() != Machine::Phase::Idle) {
        return;
    }
    playSound(sound::kWinTaken);
    keyGuard_ = 0;
    winCounter_->reset();
    idleTicks_ = 0;
    const std::int32_t featureWin = machine_.featureWin();
    c_.LABWIN->setText(QString::number(featureWin));
    c_.lblwin->setText(inDollars(featureWin));
    machine_.takeWin();
    showCredit();

    c_.spinsleft->hide();
    c_.setPlayButtonsEnabled(true);
    c_.setLineButtonsEnabled(true);
    c_.freespinscompleted1->hide();
    c_.panfreespin->show();
    c_.autoplayoff->show();
    c_.LABLASTBET->show();
    c_.lbllast->show();
    c_.LABTHISWIN->hide();
    c_.Lblcurrentwin->hide();
    c_.notes->setEnabled(true);
    c_.coinsin->setEnabled(true);
    c_.takewin->setEnabled(false);
    c_.takewin->hide();
    // The feature total may be gambled, unless there is nothing to stake or autoplay runs on.
    c_.doublebutton->setEnabled(autoplayState_ == 0 && machine_.canGamble());
    if (autoplayState_ > 0) {
        c_.btnoptions->setEnabled(false);
        c_.autoplayoff->setEnabled(true);
        c_.autoplayon->hide();
        // Autoplay goes on with the bet; the play controls stay with it.
        c_.setPlayButtonsEnabled(false);
        c_.setLineButtonsEnabled(false);
        c_.notes->setEnabled(false);
        c_.coinsin->setEnabled(false);
        return;
    }
    c_.btnoptions->setEnabled(true);
    c_.autoplayon->show();
    c_.autoplayon->setEnabled(true);
    tmrautospin_->stop();
    keysEnabled_ = true;
    const int k = playButtonOfBet(machine_.betPerLine());
    if (k != 0) {
        c_.play[k]->setFocus();
    }
}

// --- autoplay -----------------------------------------------------------------------------

void kestrel::onAutoplayOn() {
    keysEnabled_ = false;
    AutoplayNotice notice(services_.settings);
    autoplayNoticeShown_ = notice.shown(autoplayNoticeShown_);
    if (!autoplayNoticeShown_) {
        services_.messages.inform(services_.dialogParent, QStringLiteral("Slots_kestrel"), kAutoplayNotice);
    }
    autoplayNoticeShown_ = true;
    (void)notice.markShown();
    tmrautospin_->start();
    c_.btnoptions->setEnabled(false);
    c_.autoplayon->hide();
    const int k = playButtonOfBet(machine_.betPerLine());
    if (k == 0) {
        return;
    }
    autoplayState_ = 10;
    c_.autoplayoff->setEnabled(true);
    // While autoplay runs every other control waits for it to be switched off.
    c_.setPlayButtonsEnabled(false);
    c_.setLineButtonsEnabled(false);
    c_.notes->setEnabled(false);
    c_.coinsin->setEnabled(false);
    c_.doublebutton->setEnabled(false);
    pressPlay(k);
}

void kestrel::onAutoplayOff() {
    c_.autoplayoff->hide();
    services_.clock.yield();
    c_.btnoptions->setEnabled(true);
    autoplayState_ = 0;
    c_.setPlayButtonsEnabled(true);
    c_.setLineButtonsEnabled(true);
    c_.coinsin->setEnabled(true);
    c_.notes->setEnabled(true);
    tmrautospin_->stop();
    keysEnabled_ = true;
}

void kestrel::onAutospinTick() {
    if (autoplayState_ <= 0 || idleTicks_ < autoplayDelay_) {
        return;
    }
    idleTicks_ = 0;
    autoplayDelay_ = 0;
    services_.clock.yield();
    pressPlayOfBet();
}

}  // namespace kestrel::ui
