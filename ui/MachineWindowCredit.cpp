// Bets and credit: the line buttons, the note and the coins.
#include <utility>

#include "Bets.h"
#include "CoinDrop.h"
#include "Credits.h"
#include "LineFlash.h"
#include "MachineWindow.h"
#include "ReelWindow.h"
#include "Sounds.h"
#include "WinCounter.h"

namespace kestrel::ui {

namespace {
const QString kTakesNoMore =
    QStringLiteral("The credit is at the most this machine can play with and takes no more money.");
// The note is refused first: a press of coins, fourteen quarters, may fit where $50 does not.
const QString kTakesNoNote = QStringLiteral(
    "The credit is too near the most this machine can play with to take a $50 note. The coins "
    "still fit.");
}  // namespace

void MachineWindow::connectCreditControls() {
    for (int k = 1; k <= kLineButtons; ++k) {
        connect(cabinet_.payline[k], &PictureButton::mouseDown, this,
                [this, k] { onLineButton(k); });
    }
    connect(cabinet_.notes, &PictureButton::mouseDown, this, &MachineWindow::onNote);
    connect(cabinet_.coinsin, &PictureButton::mouseDown, this, &MachineWindow::onCoinButton);
    connect(coins_, &CoinDrop::coinDue, this, &MachineWindow::onCoinDue);
}

void MachineWindow::onLineButton(int k) {
    if (!controls().lines.enabled) {
        return;
    }
    if (mode_.is(Mode::PaylineView)) {
        onReturnToGame();
    }
    if (!machine_.setLinesPlayed(kLinesOfLineButton[k])) {
        return;
    }
    cabinet_.payline[k]->showPressedLook();
    reels_->showLinesPlayed(machine_.linesPlayed());
    // The reel window lets the last result go, with everything that presented it.
    stopReelPresentations();
    reels_->showIdle();
}

void MachineWindow::onNote() {
    if (!controls().note.enabled) {
        return;  // not even the pressed look
    }
    cabinet_.notes->showPressedLook();
    playSound(sound::kClick);
    if (!machine_.insertNote()) {
        tellCreditIsFull(machine_.takesMoney(kCoinPressCredits) ? kTakesNoNote : kTakesNoMore);
        return;
    }
    saveGame();  // while the reels turn too: the note is the player's from now on
    cabinet_.showNoCredit(false);
    winCounter_->showCredit();
}

void MachineWindow::onCoinButton() {
    if (!controls().coins.enabled) {
        return;
    }
    cabinet_.coinsin->showPressedLook();
    if (!machine_.pressCoins()) {
        if (machine_.coinsPending() == 0) {  // a press while coins still drop adds none, silently
            tellCreditIsFull(kTakesNoMore);
        }
        return;
    }
    saveGame();  // the coins to drop, which a restart drops again
    lineFlash_->stop();
    coins_->start(machine_.coinsPending());
    applyControls();
}

// A coin the credit has no room for any more (a win while the coins fall, near the most the
// credit can hold) falls silently, and once the press is over the player is told how many.
void MachineWindow::onCoinDue() {
    if (machine_.dropCoin()) {
        playSound(sound::kCoin);
        cabinet_.showNoCredit(false);
    } else {
        ++coinsTurnedAway_;
    }
    saveAtRest();
    winCounter_->showCredit();
    if (machine_.coinsPending() == 0) {
        applyControls();
        if (const int turnedAway = std::exchange(coinsTurnedAway_, 0); turnedAway > 0) {
            tellCreditIsFull(
                (turnedAway == 1 ? QStringLiteral("1 of the coins was")
                                 : QStringLiteral("%1 of the coins were").arg(turnedAway)) +
                QStringLiteral(" not taken in: the credit is at the most this machine can play "
                               "with."));
        }
    }
}

}  // namespace kestrel::ui
