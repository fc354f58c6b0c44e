// One game: the play handler, the reel stops and the settling of the decided spin.
#include "Bets.h"
#include "FreeSpinBanners.h"
#include "LineFlash.h"
#include "LineOverlay.h"
#include "Money.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "WildGlow.h"
#include "WinCounter.h"
#include "WinSound.h"
#include "kestrel.h"

namespace kestrel::ui {

namespace {
constexpr int kLosingSpinPauseMs = 100;
constexpr int kRespinIdleTicks = 50;  // the next free spin comes about 5 s after a settling
}  // namespace

void kestrel::pressPlay(int k) {
    services_.clock.defer(this, [this, k] { playClicked(k); });
}

void kestrel::pressPlayOfBet() {
    const int k = playButtonOfBet(machine_.betPerLine());
    if (k != 0) {
        pressPlay(k);
    }
}

void kestrel::playClicked(int k) {
    if (shutDown_) {
        return;
    }
    if (paylineView_) {
        onReturnToGame();  // a bet pressed on the pay-line view brings the reels back first
    }
    c_.pplay[k]->hide();
    if (machine_.phase() == Machine::Phase::Spinning) {
        // A press while the reels still turn stops them where the outcome has them; the spin
        // then settles as usual and nothing is thrown away.
        reels_->stopNow();
        keyGuard_ = 0;
        return;
    }
    services_.clock.yield();
    keysEnabled_ = false;
    c_.autoplayon->setEnabled(false);

    const bool freeSpin = machine_.freeSpinsActive();
    if (!freeSpin) {
        playSound(sound::kSpin);
        idleTicks_ = 0;
        scatters_->rewind();
        wild_->rewind();
        reels_->abandon();
        tmrautospin_->stop();
        winCounter_->clear();
    }
    const PlayResult result = machine_.play(k);
    if (result == PlayResult::Refused) {
        refuse();
        return;
    }
    if (result == PlayResult::Busy) {
        keyGuard_ = 0;
        return;
    }
    c_.coinsin->setEnabled(false);
    lineFlash_->stop();
    scatters_->stop();
    if (!freeSpin) {
        c_.LABWIN->setText(QStringLiteral("Good Luck"));
        c_.lblwin->setText(QStringLiteral(" "));
        c_.lbllast->setText(QString::number(machine_.totalBet()));
        showCredit();
        winCounter_->stop();
    }
    resetForSpin();

    // The outcome is decided: show the charged credit and set the reels going.
    if (machine_.spinWin() > 0) {
        winCounter_->prepare();
    }
    showCredit();
    reels_->start(machine_.records());
    keyGuard_ = 0;

    services_.clock.yield();
    // Autoplay cannot be switched on inside a feature: it would run its timer through the free
    // spins and press play while they turn. The trigger switched it off; take-win brings it back.
    if (!freeSpin) {
        c_.autoplayon->setEnabled(true);
    }
    c_.setMarkersEnabled(false);
    if (autoplayState_ == 0 && !freeSpin) {
        c_.setPlayButtonsEnabled(true);
        c_.setLineButtonsEnabled(true);
        c_.coinsin->setEnabled(true);
        c_.notes->setEnabled(true);
    }
    // Autoplay goes straight on after a losing paid spin: it pays nothing, so it is settled at
    // once and the same bet is pressed again. When the credit no longer covers that bet, the
    // spin runs out and settles on screen; the press that follows stops autoplay with the panel.
    if (autoplayState_ >= 1 && !freeSpin && machine_.spinWin() < 1 &&
        machine_.totalBet() <= machine_.player().bank) {
        reels_->abandon();
        machine_.settle();
        pressPlayOfBet();
    }
}

// What the start of every drawn spin clears from the last one's presentation.
void kestrel::resetForSpin() {
    idleTicks_ = 0;
    c_.doublebutton->setEnabled(false);
    c_.pannomoney->hide();
    lineFlash_->stop();
    scatters_->stop();
    scatters_->rewind();
    wild_->stop();
    wild_->rewind();
    Timerrespin_->stop();
    for (int m = 1; m <= 26; ++m) {
        c_.lin[m]->show();
    }
    lineOverlay_->hideAll();
    services_.clock.yield();
    reels_->hideCells();
    services_.clock.yield();
    services_.clock.yield();
}

void kestrel::refuse() {
    keyGuard_ = 0;
    playSound(sound::kRefused);
    c_.pannomoney->show();
    c_.coinsin->setEnabled(true);
    c_.notes->setEnabled(true);
    c_.setPlayButtonsEnabled(true);
    c_.setLineButtonsEnabled(true);
    autoplayState_ = 0;
    c_.autoplayon->setEnabled(true);
}

void kestrel::onReelStopped(int) {
    if (!machine_.spinIsFree()) {
        playSound(sound::kReelStop);
    }
}

void kestrel::endOfSpin() {
    tmrtick_->start();
    // Settling pauses while other timers tick; the automatic presses must not count those
    // pauses as idle time, so the count starts again here as it does when settling ends.
    idleTicks_ = 0;
    const bool freeSpin = machine_.spinIsFree();
    const std::int32_t spinWin = machine_.spinWin();
    if (!freeSpin) {
        if (autoplayState_ == 10) {
            tmrautospin_->start();
        }
        if (spinWin > 0) {
            playSound(winSound(spinWin));
        }
        autoplayDelay_ = spinWin < 1 ? 15 : 25;
        services_.clock.yield();
    }
    if (spinWin < 1) {
        idleTicks_ = 5;
        services_.clock.pause(kLosingSpinPauseMs);
        services_.clock.yield();
    }
    const Settlement settled = machine_.settle();
    if (machine_.specialCount() > 1) {
        scatters_->start();
    }
    if (settled.triggered) {
        triggerFreeSpins(settled.firstTrigger);
    }
    startPresentations();
    if (freeSpin || settled.triggered) {
        countDown(settled);
    } else {
        settlePaidSpin(spinWin);
    }
    idleTicks_ = 0;
}

void kestrel::startPresentations() {
    wild_->settle();
    if (lineFlash_->anyLineWon()) {
        lineFlash_->start();
    }
}

void kestrel::settlePaidSpin(std::int32_t spinWin) {
    if (spinWin < 1) {
        c_.LABWIN->setText(QStringLiteral("No Win"));
        c_.lblwin->setText(QString());
    } else {
        winCounter_->start();  // the credit meters follow when the count is done
    }
    if (spinWin > 0 && autoplayState_ == 0 && machine_.canGamble()) {
        c_.doublebutton->setEnabled(true);
    }
    keysEnabled_ = true;
}

void kestrel::onRespinTick() {
    const int k = playButtonOfBet(machine_.betPerLine());
    if (idleTicks_ > kRespinIdleTicks && k != 0) {
        c_.Lblcurrentwin->setText(QString());
        pressPlay(k);
        keysEnabled_ = false;
    }
}

}  // namespace kestrel::ui
