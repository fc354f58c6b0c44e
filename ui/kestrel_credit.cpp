// Bets and credit: the line buttons, the note and the coin animation.
#include "Bets.h"
#include "CoinDrop.h"
#include "GamblePanel.h"
#include "LineFlash.h"
#include "LineOverlay.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "kestrel.h"

namespace kestrel::ui {

void kestrel::connectCreditControls() {
    for (int k = 1; k <= kLineButtons; ++k) {
        connect(c_.payline[k], &PictureButton::mouseDown, this, [this, k] { onLineButton(k); });
        connect(c_.payline[k], &PictureButton::mouseUp, c_.payline[k], &QWidget::show);
    }
    connect(c_.notes, &PictureButton::mouseDown, this, &kestrel::onNote);
    connect(c_.notes, &PictureButton::mouseUp, c_.notes, &QWidget::show);
    connect(c_.coinsin, &PictureButton::mouseDown, this, &kestrel::onCoinButton);
    connect(c_.coinsin, &PictureButton::mouseUp, c_.coinsin, &QWidget::show);
    connect(coinDrop_, &CoinDrop::tick, lineFlash_, &LineFlash::stop);
    connect(coinDrop_, &CoinDrop::coinDropped, this, &kestrel::onCoinDropped);
}

// Played lines lit, the others dimmed; marker 26 repeats line 1's.
void kestrel::showMarkers() {
    for (int m = 1; m <= kLines; ++m) {
        const bool played = m <= machine_.linesPlayed();
        c_.lin[m]->setPixmap(services_.art.picture(PictureList::linepics, played ? m : m + kLines));
    }
    c_.lin[26]->setPixmap(services_.art.picture(PictureList::linepics, 1));
}

void kestrel::onLineButton(int k) {
    if (paylineView_) {
        onReturnToGame();
    }
    if (!machine_.setLinesPlayed(kLinesOfLineButton[k])) {
        return;
    }
    c_.payline[k]->hide();
    showMarkers();
    // The reel window lets the last result go: its line flash and scatter dance would show the
    // cells and the drawn line again over the idle reels.
    lineFlash_->stop();
    scatters_->stop();
    lineOverlay_->hideAll();
    reels_->hideCells();
    reels_->showIdleReels();
}

void kestrel::onNote() {
    if (machine_.freeSpinsActive()) {
        return;  // not even the pressed look
    }
    c_.notes->hide();
    playSound(sound::kClick);
    (void)machine_.insertNote();  // at the 32-bit limit the credit simply stays as it is
    c_.pannomoney->hide();
    showCredit();
}

void kestrel::onCoinButton() {
    c_.coinsin->hide();
    c_.btnoptions->setEnabled(true);
    (void)machine_.pressCoins();  // a press while coins still drop adds none
    coinDrop_->start();
}

void kestrel::onCoinDropped() {
    playSound(sound::kCoin);
    c_.pannomoney->hide();
    (void)machine_.dropCoin();
    showCredit();
    setFocus();
    // The coins bring the keys back, except into a gamble or the pay-line view, which keep them
    // off until they close.
    if (gamble_->isHidden() && c_.Btnreturn2game->isHidden()) {
        keysEnabled_ = true;
    }
}

}  // namespace kestrel::ui
