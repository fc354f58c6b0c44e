// The player's records on the disk: saved after every step, their trouble shown, and a game
// left in progress (the power was cut, the program killed) taken up where it stood.
#include "BetMeter.h"
#include "CoinDrop.h"
#include "FeatureBanners.h"
#include "GamblePanel.h"
#include "MachineWindow.h"
#include "MoneyMeter.h"
#include "ReelAnimation.h"
#include "ReelWindow.h"
#include "Sounds.h"
#include "StoreNotice.h"

namespace kestrel::ui {

// The record and the game in progress beside it go to the disk together, in one replace of the
// file: the moment a spin is decided (before any reel turns) and after every step of play.
void MachineWindow::saveGame() {
    (void)records_.save(machine_);
    showStoreProblem();
}

// A coin dropped while the reels turn is saved with the spin's settling, so that fourteen
// writes do not fall between ticks of the reels; until then the file counts it among the coins
// still to drop (saved with the press), so a cut neither loses nor doubles it. Once the spin
// has settled (a losing one rests a moment before the cabinet says so) each coin is saved.
void MachineWindow::saveAtRest() {
    if (machine_.phase() != Machine::Phase::Spinning) {
        saveGame();
    }
}

// A records file that could not be read or saved is named on screen, with the reason, until a
// save succeeds; standard error has its line from the store.
void MachineWindow::showStoreProblem() {
    if (const std::optional<StoreProblem> problem = services_.settings.lastProblem()) {
        storeNotice_->show(problem->message());
    } else {
        storeNotice_->clear();
    }
}

void MachineWindow::showTakenUp(TakenUp taken) {
    if (taken == TakenUp::InProgress) {
        presentGameInProgress();
    } else if (taken == TakenUp::Damaged && enterMode(Mode::Dialog)) {
        services_.messages.warn(services_.dialogParent, machineBoxTitle(), damagedSavedGameText(),
                                [this] { closeOverlay(); });
    }
}

// The machine stands where the game was left; the cabinet shows it so and plays on: a decided
// spin turns onto its stops and settles, a feature goes on or waits for its total to be taken,
// an open gamble shows its amount at risk and its cards, coins go on dropping.
void MachineWindow::presentGameInProgress() {
    tmrtick_->start();
    idleTicks_ = 0;
    const bool feature = machine_.freeSpinsActive() || machine_.featureCompleted();
    // A win still on offer to the gamble (coins were dropping at the cut) is shown as it was.
    const bool offered = machine_.canGamble();
    if (feature || offered || machine_.gambleOpen() ||
        machine_.phase() == Machine::Phase::Spinning) {
        bet_->showLastBet(machine_.spinTotalBet());  // the bet of the game taken up
    }
    if (feature) {
        // A free spin still turning has its win in the feature total already; the meters show
        // it, as in play, only once its reels have stopped.
        const bool freeSpinTurning =
            machine_.phase() == Machine::Phase::Spinning && machine_.spinIsFree();
        if (freeSpinTurning) {
            bet_->clearThisWin();
            win_->show(machine_.featureWin() - machine_.spinWin());
        } else {
            bet_->showThisWin(machine_.spinWin());
            win_->show(machine_.featureWin());
        }
        if (machine_.featureCompleted()) {
            banners_->showCompleted();
        } else {
            banners_->showSpinsLeft(machine_.freeSpins().spinsLeft());
            // The feature's tune, as before the cut, between free spins or during one.
            playSound(sound::kFreeSpinTune, true);
        }
    }
    if (machine_.phase() == Machine::Phase::Spinning) {
        if (!machine_.spinIsFree()) {
            win_->goodLuck();
        }
        animation_->start(machine_.records());
        mode_.resume(Mode::Spinning);
    } else if (machine_.gambleOpen()) {
        reels_->showResult(machine_.records());
        gamble_->reopen();
        // The win meter as the gamble left it: its stake (the panel shows what is at risk).
        win_->show(machine_.gambleStaked());
        mode_.resume(Mode::Gamble);
    } else if (offered) {
        reels_->showResult(machine_.records());
        win_->show(machine_.gambleStake());
    } else if (feature) {
        reels_->showResult(machine_.records());
        if (machine_.featureCompleted()) {
            mode_.resume(Mode::FeatureWon);
        } else {
            mode_.resume(Mode::FreeSpins);
            Timerrespin_->start();
        }
    }
    if (machine_.coinsPending() > 0) {
        coins_->start(machine_.coinsPending());
    }
    applyControls();
}

}  // namespace kestrel::ui
