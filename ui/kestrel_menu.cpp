// The menu and what it opens: the pay-line view, the pay table, the about box; the options
// dialog; and what the dialog may do to the window.
#include <QMouseEvent>

#include "CoinDrop.h"
#include "GamblePanel.h"
#include "LineFlash.h"
#include "LineOverlay.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "WinCounter.h"
#include "aboutkestrel.h"
#include "frmkestreloptions.h"
#include "kestrel.h"
#include "kestrelpays.h"

namespace kestrel::ui {

void kestrel::connectMenuControls() {
    connect(c_.btnopenmenu, &PictureButton::mouseMoved, this, [this] {
        if (!machine_.freeSpinsActive()) {
            c_.menupic->show();
            c_.menupic->raise();
        }
    });
    connect(c_.xit, &QPushButton::clicked, this, &kestrel::shutdown);
    connect(c_.viewpaylines, &QPushButton::clicked, this, &kestrel::onPaylineView);
    connect(c_.Btnreturn2game, &QPushButton::clicked, this, &kestrel::onReturnToGame);
    connect(c_.mnuviewpaytable, &QPushButton::clicked, this, &kestrel::onPayTable);
    connect(c_.about, &QPushButton::clicked, this, &kestrel::onAbout);
    connect(c_.btnoptions, &PictureButton::mouseDown, this, &kestrel::onOptionsButton);
    connect(c_.btnoptions, &PictureButton::mouseUp, c_.btnoptions, &QWidget::show);
    for (int m = 1; m <= 26; ++m) {
        c_.lin[m]->installEventFilter(this);
    }
}

void kestrel::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the menu and its opener reach the window too (their controls pass them on);
    // only a move elsewhere on the cabinet closes the menu.
    const QRect menuArea = c_.menupic->geometry().united(c_.btnopenmenu->geometry()).adjusted(-4, -4, 4, 4);
    if (!menuArea.contains(event->position().toPoint())) {
        c_.menupic->hide();
    }
    QWidget::mouseMoveEvent(event);
}

// --- options ------------------------------------------------------------------------------

void kestrel::onOptionsButton() {
    // A decided spin settles before anyone may switch or clear the player it belongs to, and
    // coins still dropping belong to the player they were inserted for.
    if (machine_.phase() == Machine::Phase::Spinning || coinDrop_->timer()->isActive()) {
        return;
    }
    lineFlash_->stop();
    scatters_->stop();
    c_.btnoptions->hide();
    if (gamble_->isVisible()) {
        return;
    }
    playSound(sound::kClick);
    // A roll-up in progress would write into the meters of whoever is the player afterwards:
    // it ends here, showing the whole win.
    winCounter_->finish();
    showCredit();
    c_.doublebutton->setEnabled(false);
    setEnabled(false);
    auto* dialog = new frmkestreloptions(*this, services_.clock, services_.messages,
                                         services_.dialogParent);
    connect(dialog, &frmkestreloptions::closed, dialog, &QObject::deleteLater);
    dialog->load();
}

void kestrel::blankCredit() {
    c_.PANELBANK->clear();
    c_.Lblcredit->clear();
}

void kestrel::showIdleReels() { reels_->showIdleReels(); }

void kestrel::hideCells() { reels_->hideCells(); }

void kestrel::disableGamble() { c_.doublebutton->setEnabled(false); }

void kestrel::setReelSpeed(int reelspeed) { reels_->setSpeed(reelspeed); }

void kestrel::restoreWindow() {
    setEnabled(true);
    show();
}

// The frame places the machine: full screen fills the screen, and the ordinary window comes
// back where it was; there is no corner to move to.
void kestrel::moveToCorner() {}

// --- the pay-line view --------------------------------------------------------------------

void kestrel::onPaylineView() {
    // The view takes the reels away; a spin, a gamble or running free spins keep them (the menu
    // may have been open when the feature began).
    if (machine_.phase() != Machine::Phase::Idle || machine_.freeSpinsActive()) {
        return;
    }
    playSound(sound::kClick);
    c_.panfreespin->hide();
    c_.takewin->hide();
    lineFlash_->stop();
    scatters_->stop();  // it would show the last spin's scatters over the view and the idle reels
    tmrautospin_->stop();
    lineOverlay_->hideAll();
    reels_->setReelsVisible(false);
    reels_->hideCells();
    for (int m = 1; m <= 26; ++m) {
        c_.lin[m]->setEnabled(true);
        c_.lin[m]->show();
    }
    keysEnabled_ = false;
    c_.Btnreturn2game->show();
    c_.menupic->hide();
    paylineView_ = true;
}

void kestrel::onMarkerHover(int marker) {
    const int line = marker == 26 ? 1 : marker;
    const int used = lineOverlay_->placePath(line);
    for (int j = 1; j <= kMaxSegments; ++j) {
        lineOverlay_->setSegmentVisible(j, j <= used);
    }
}

void kestrel::onReturnToGame() {
    paylineView_ = false;
    reels_->showIdleReels();
    if (autoplayState_ > 0) {
        tmrautospin_->start();
    }
    lineOverlay_->hideAll();
    reels_->setReelsVisible(true);
    reels_->hideCells();
    // A feature total still waiting to be taken keeps its button and its banner, without the
    // plate that comes back with take-win.
    const bool totalWaits = machine_.featureCompleted();
    keysEnabled_ = !totalWaits;
    c_.panfreespin->setVisible(!totalWaits);
    c_.takewin->setVisible(totalWaits);
    c_.doublebutton->setEnabled(false);
    c_.Btnreturn2game->hide();
    for (int m = 1; m <= 26; ++m) {
        c_.lin[m]->setEnabled(false);
        c_.lin[m]->show();
    }
    lineFlash_->stop();
}

// --- the pay table and the about box --------------------------------------------------------

void kestrel::showSecondary(SecondaryWindow* secondary) {
    setEnabled(false);
    connect(secondary, &SecondaryWindow::closed, this, [this] { setEnabled(true); });
    connect(secondary, &SecondaryWindow::closed, secondary, &QObject::deleteLater);
    c_.menupic->hide();
    secondary->showCentred();
}

void kestrel::onPayTable() {
    playSound(sound::kClick);
    c_.pannomoney->hide();
    auto* pays = new kestrelpays(services_.art.picture(Picture::PayTable), services_.dialogParent);
    showSecondary(pays);
}

void kestrel::onAbout() {
    playSound(sound::kClick);
    auto* box = new aboutkestrel(services_.art.picture(Picture::AppIcon), services_.links,
                                 services_.messages, services_.dialogParent);
    showSecondary(box);
}

}  // namespace kestrel::ui
