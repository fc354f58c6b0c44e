// One game: the play press, the turning reels and the settling of the decided spin.
#include "BetMeter.h"
#include "Bets.h"
#include "CreditLimit.h"
#include "Durations.h"
#include "LineFlash.h"
#include "MachineWindow.h"
#include "MoneyMeter.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "WildGlow.h"
#include "WinCounter.h"
#include "WinSound.h"

namespace kestrel::ui {

void MachineWindow::connectSpinControls() {
    for (int k = 1; k <= kPlayButtons; ++k) {
        connect(cabinet_.play[k], &QPushButton::clicked, this, [this, k] { onPlayButton(k); });
        connect(cabinet_.pplay[k], &PictureButton::mouseDown, this, [this, k] { onPlayButton(k); });
    }
    connect(animation_, &ReelAnimation::reelStopped, this, &MachineWindow::onReelStopped);
    connect(animation_, &ReelAnimation::spinEnded, this, &MachineWindow::onSpinEnded);
}

// A play button pressed by the player: with the mouse, from code, or by the space bar.
void MachineWindow::onPlayButton(int k) {
    if (!controls().play.enabled) {
        return;
    }
    cabinet_.pplay[k]->showPressedLook();
    if (mode_.is(Mode::PaylineView)) {
        onReturnToGame();  // a bet pressed on the pay-line view brings the reels back first
    }
    if (mode_.is(Mode::Spinning)) {
        // While the reels turn a press stops them where the outcome has them; the spin then
        // settles as usual and nothing is thrown away.
        animation_->stopNow();
        return;
    }
    spin(k);
}

// Starts a spin with play button k: a paid one from a machine at rest, the next free one
// inside a feature.
void MachineWindow::spin(int k) {
    const bool freeSpin = machine_.freeSpinsActive();
    if (!mode_.is(freeSpin ? Mode::FreeSpins : Mode::Idle)) {
        return;
    }
    stopPresentations();
    machine_.setNextGameTime(services_.clock.secondsSinceEpoch());
    const PlayResult result = machine_.play(k);
    if (result == PlayResult::Refused || result == PlayResult::CreditFull) {
        refuse(result);
        return;
    }
    if (result == PlayResult::Busy) {
        return;
    }
    saveGame();  // the outcome is on the disk before the reels show any of it
    idleTicks_ = 0;
    autoplayNext_ = {};
    Timerrespin_->stop();
    cabinet_.showNoCredit(false);
    if (freeSpin) {
        bet_->clearThisWin();
    } else {
        playSound(sound::kSpin);
        win_->goodLuck();
        bet_->showLastBet(machine_.totalBet());
        credit_->show(machine_.player().bank);
    }
    animation_->start(machine_.records());
    enterMode(Mode::Spinning);
}

// Too little credit for the bet, or so much that its win might not fit: nothing moves, the
// player is told, and autoplay stops.
void MachineWindow::refuse(PlayResult why) {
    autoplay_.switchOff();
    autoplayNext_ = {};
    tmrautospin_->stop();
    applyControls();
    if (why == PlayResult::CreditFull) {
        // Only what is left to choose is offered: fewer lines, a smaller bet a line, or both.
        // Past the credit the smallest bet plays from, nothing is.
        const bool fewerLines = machine_.linesPlayed() > kLinesOfLineButton[1];
        const bool smallerBet = machine_.betPerLine() > kBetOfPlayButton[1];
        const QString choose = fewerLines && smallerBet
                                   ? QStringLiteral("fewer lines or a smaller bet")
                               : fewerLines ? QStringLiteral("fewer lines")
                                            : QStringLiteral("a smaller bet");
        tellCreditIsFull(machine_.player().bank > kHighestCreditToInsert ||
                                 !(fewerLines || smallerBet)
                             ? QStringLiteral("The credit is so high that a win of even the "
                                              "smallest bet might not fit into it.")
                             : QStringLiteral("The credit is so high that a win of this bet might "
                                              "not fit into it. Choose %1.")
                                   .arg(choose));
        return;
    }
    playSound(sound::kRefused);
    cabinet_.showNoCredit(true);
}

// The credit is near the most it can hold ($21,474,836.47). Said in a box, as it is rare and
// the player must know why nothing happens: over the reels, so the pay-line view closes first,
// and after the spin when the reels are turning.
void MachineWindow::tellCreditIsFull(const QString& text) {
    onReturnToGame();
    if (!enterMode(Mode::Dialog)) {
        heldNotice_ = text;  // tellHeldNotice() tells it once the cabinet can show a box
        return;
    }
    services_.messages.inform(services_.dialogParent, machineBoxTitle(), text,
                              [this] { closeOverlay(); });
}

void MachineWindow::onReelStopped(int) {
    if (!machine_.spinIsFree()) {
        playSound(sound::kReelStop);
    }
}

// Reel 5 has settled: the machine pays (a feature's total waits for take-win), then the result
// is presented step by step.
void MachineWindow::onSpinEnded() {
    tmrtick_->start();
    const bool freeSpin = machine_.spinIsFree();
    const std::int32_t spinWin = machine_.spinWin();
    const Settlement settled = machine_.settle();
    if (autoplay_.isOn()) {
        machine_.declineGamble();  // autoplay never gambles, nor does switching it off later
    }
    saveGame();
    if (!freeSpin && spinWin > 0) {
        playSound(winSound(spinWin));
    }
    idleTicks_ = 0;
    if (settled.triggered) {
        enterMode(Mode::Settling);
    }
    // A spin that won nothing rests a moment before it says so.
    sequence_.then(spinWin < 1 ? duration::kLosingSpinPause : 0,
                   [this, settled] { presentResult(settled); });
}

void MachineWindow::presentResult(const Settlement& settled) {
    if (machine_.specialCount() > 1) {
        scatters_->start();
    }
    if (settled.triggered) {
        announceFeature(settled);  // finishes the settling when the announcement is over
        return;
    }
    finishSettling(settled);
}

void MachineWindow::finishSettling(const Settlement& settled) {
    wild_->settle();
    if (lineFlash_->anyLineWon()) {
        lineFlash_->start();
    }
    const std::int32_t spinWin = machine_.spinWin();
    if (settled.freeSpin || settled.triggered) {
        countDown(settled);
    } else {
        if (spinWin < 1) {
            win_->noWin();
        } else {
            winCounter_->count(spinWin, settled.credited, machine_.player().winroll != 0);
        }
        enterMode(Mode::Idle);
    }
    idleTicks_ = 0;
    autoplayNext_ = autoplay_.afterSettling(settled, spinWin);
}

}  // namespace kestrel::ui
