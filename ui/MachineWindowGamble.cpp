// The window's side of the double-or-nothing gamble; the panel does the cards.
#include "GamblePanel.h"
#include "MachineWindow.h"
#include "MoneyMeter.h"
#include "ReelWindow.h"

namespace kestrel::ui {

void MachineWindow::connectGambleControls() {
    connect(cabinet_.doublebutton, &PictureButton::mouseDown, this, &MachineWindow::onGambleButton);
    connect(gamble_, &GamblePanel::guessed, this, &MachineWindow::saveGame);
    connect(gamble_, &GamblePanel::lost, this, [this] { onGambleOver(true, 0); });
    connect(gamble_, &GamblePanel::collected, this,
            [this](std::int32_t amount) { onGambleOver(false, amount); });
}

void MachineWindow::onGambleButton() {
    if (!controls().gamble.enabled) {
        return;
    }
    cabinet_.doublebutton->showPressedLook();
    stopPresentations();
    if (!gamble_->open()) {
        return;
    }
    saveGame();
    cabinet_.showNoCredit(false);  // it would show around the gamble's panel and outlast it
    reels_->showAllCells();
    win_->show(machine_.atRisk());
    credit_->show(machine_.player().bank);
    enterMode(Mode::Gamble);
}

// Either way the gamble ends, the machine is the player's again.
void MachineWindow::onGambleOver(bool lost, std::int32_t collected) {
    if (!mode_.is(Mode::Gamble)) {
        return;
    }
    if (!lost) {
        saveGame();  // a loss was saved with its guess
    }
    credit_->show(machine_.player().bank);
    if (lost) {
        win_->gambleLost();
    } else {
        win_->show(collected);
    }
    enterMode(Mode::Idle);
    setFocus();
}

}  // namespace kestrel::ui
