// The window's side of the double-or-nothing gamble; the panel does the cards.
#include "GamblePanel.h"
#include "LineFlash.h"
#include "Money.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "WildGlow.h"
#include "WinCounter.h"
#include "kestrel.h"

namespace kestrel::ui {

void kestrel::connectGambleControls() {
    connect(c_.doublebutton, &PictureButton::mouseDown, this, &kestrel::onGambleButton);
    connect(gamble_, &GamblePanel::lost, this, &kestrel::onGambleLost);
    connect(gamble_, &GamblePanel::collected, this, &kestrel::onGambleCollected);
}

void kestrel::onGambleButton() {
    if (paylineView_) {
        onReturnToGame();  // which withdraws the gamble, as leaving the view always does
        return;
    }
    c_.doublebutton->hide();
    if (!gamble_->open()) {
        return;
    }
    for (int cell = 1; cell <= kCells; ++cell) {
        reels_->cell(cell)->show();
    }
    c_.autoplayoff->setEnabled(false);
    c_.autoplayon->setEnabled(false);
    c_.doublebutton->setEnabled(false);
    c_.coinsin->setEnabled(false);
    lineFlash_->stop();
    wild_->stop();
    scatters_->stop();
    winCounter_->stop();
    c_.setLineButtonsEnabled(false);
    c_.setPlayButtonsEnabled(false);
    c_.LABWIN->setText(QString::number(machine_.atRisk()));
    c_.lblwin->setText(QString::fromStdString(dollars(machine_.atRisk())));
    showCredit();
    keysEnabled_ = false;
    services_.clock.yield();
}

void kestrel::onGambleLost() {
    if (shutDown_) {
        return;
    }
    c_.doublebutton->setEnabled(false);
    showCredit();
    c_.LABWIN->setText(QStringLiteral("No Win"));
    c_.lblwin->setText(QStringLiteral(" "));
    gambleOver();
}

void kestrel::onGambleCollected(std::int32_t amount) {
    if (shutDown_) {
        return;
    }
    c_.doublebutton->setEnabled(false);
    showCredit();
    c_.LABWIN->setText(QString::number(amount));
    c_.lblwin->setText(QString::fromStdString(dollars(amount)));
    gambleOver();
}

// Either way the gamble ends, the machine is the player's again.
void kestrel::gambleOver() {
    c_.autoplayon->setEnabled(true);
    c_.setLineButtonsEnabled(true);
    c_.setPlayButtonsEnabled(true);
    c_.coinsin->setEnabled(true);
    setFocus();
    keysEnabled_ = true;
}

}  // namespace kestrel::ui
