// The menu and what it opens: the pay-line view, the last games, the pay table, the about box;
// the options dialog; and what the dialog may do to the window.
#include <QMouseEvent>

#include "AboutBox.h"
#include "BetMeter.h"
#include "FeatureBanners.h"
#include "LastGamesView.h"
#include "MachineWindow.h"
#include "MoneyMeter.h"
#include "OptionsDialog.h"
#include "PayTableWindow.h"
#include "ReelAnimation.h"
#include "ReelWindow.h"
#include "ScreenPicture.h"
#include "Sounds.h"

namespace kestrel::ui {

// The window as the options dialog sees it; it lives as long as the dialog.
class MachineWindow::OptionsSide final : public QObject, public OptionsHost {
public:
    explicit OptionsSide(MachineWindow& window) : w_(window) {}

    Machine& machine() override { return w_.machine_; }
    PlayerRecordStore& records() override { return w_.records_; }
    DisplayMode& display() override { return w_.services_.display; }
    void showCredit() override { w_.credit_->show(w_.machine_.player().bank); }
    void blankCredit() override { w_.credit_->blank(); }
    void clearGameMeters() override {
        w_.win_->clear();
        w_.bet_->clear();
        w_.cabinet_.showNoCredit(false);  // it spoke of the credit of the player before
    }
    void setCaption(const QString& caption) override { w_.setWindowTitle(caption); }
    void showIdleReels() override { w_.reels_->showIdle(); }
    void setReelSpeed(int reelspeed) override { w_.animation_->setSpeed(reelspeed); }

private:
    MachineWindow& w_;
};

void MachineWindow::connectMenuControls() {
    connect(cabinet_.btnopenmenu, &PictureButton::mouseMoved, this, [this] {
        if (controls().menu.enabled) {
            cabinet_.openMenu();
        }
    });
    connect(cabinet_.xit, &QPushButton::clicked, this, &MachineWindow::shutdown);
    connect(cabinet_.viewpaylines, &QPushButton::clicked, this, &MachineWindow::onPaylineView);
    connect(cabinet_.Btnreturn2game, &QPushButton::clicked, this, &MachineWindow::onReturnToGame);
    connect(cabinet_.mnuviewpaytable, &QPushButton::clicked, this, &MachineWindow::onPayTable);
    connect(cabinet_.lastgames, &QPushButton::clicked, this, &MachineWindow::onLastGames);
    connect(lastGames_, &LastGamesView::backPressed, this, &MachineWindow::onLastGamesBack);
    connect(cabinet_.about, &QPushButton::clicked, this, &MachineWindow::onAbout);
    connect(cabinet_.btnoptions, &PictureButton::mouseDown, this, &MachineWindow::onOptionsButton);
}

void MachineWindow::mouseMoveEvent(QMouseEvent* event) {
    // Moves over the menu and its opener reach the window too (their controls pass them on);
    // only a move elsewhere on the cabinet closes the menu.
    if (!cabinet_.menuArea(event->position().toPoint())) {
        cabinet_.closeMenu();
    }
    QWidget::mouseMoveEvent(event);
}

void MachineWindow::closeOverlay() {
    const bool dialogClosed = mode_.is(Mode::Dialog);
    if (mode_.leaveOverlay()) {
        applyControls();
    }
    if (dialogClosed && window()->isVisible()) {
        // The keys come back to the machine, where no window manager hands the focus back.
        window()->activateWindow();
    }
    // Money refused while the view or dialog was open (coins turned away as they fell) is
    // explained now that a box can open, not after some later spin.
    tellHeldNotice();
}

// --- options --------------------------------------------------------------------------------

void MachineWindow::onOptionsButton() {
    if (!controls().options.enabled) {
        return;
    }
    cabinet_.btnoptions->showPressedLook();
    playSound(sound::kClick);
    // A roll-up in progress would write into the meters of whoever is the player afterwards:
    // it ends here, showing the whole win. The options take the chance to gamble with them.
    stopPresentations();
    machine_.declineGamble();
    enterMode(Mode::Dialog);
    auto* side = new OptionsSide(*this);
    auto* dialog = new OptionsDialog(*side, services_.messages, services_.dialogParent);
    side->setParent(dialog);
    connect(dialog, &OptionsDialog::closed, this, [this, dialog] {
        dialog->deleteLater();
        showStoreProblem();  // the dialog saved the record on its way
        closeOverlay();
        // Another player may have been taken up, with the lines and perhaps a game of theirs.
        reels_->showLinesPlayed(machine_.linesPlayed());
        if (machine_.snapshot().inProgress()) {
            presentGameInProgress();
        }
    });
    dialog->load();
}

// --- the pay-line view ----------------------------------------------------------------------

void MachineWindow::onPaylineView() {
    if (!controls().menu.enabled || !enterMode(Mode::PaylineView)) {
        return;
    }
    playSound(sound::kClick);
    // The view takes the reels away, and with them the chance to gamble the last win.
    stopPresentations();
    machine_.declineGamble();
    cabinet_.showNoCredit(false);  // it stands over the middle of the lines the view draws
    banners_->setStripShown(false);
    reels_->setAway(true);
    cabinet_.closeMenu();
    applyControls();
}

void MachineWindow::onReturnToGame() {
    if (!mode_.is(Mode::PaylineView)) {
        return;
    }
    reels_->setAway(false);
    banners_->setStripShown(true);
    closeOverlay();
}

// --- the last games -------------------------------------------------------------------------

// The view only looks: the machine, its offer to gamble and the record stay as they are. What
// the reels and the meters show of the last result comes back when the view closes.
void MachineWindow::onLastGames() {
    if (!controls().menu.enabled || !enterMode(Mode::LastGames)) {
        return;
    }
    playSound(sound::kClick);
    stopPresentations();
    cabinet_.closeMenu();
    cabinet_.showNoCredit(false);
    banners_->setStripShown(false);
    lastGames_->open(machine_.history());
}

void MachineWindow::onLastGamesBack() {
    if (!mode_.is(Mode::LastGames)) {
        return;
    }
    playSound(sound::kClick);
    lastGames_->close(machine_.linesPlayed());
    banners_->setStripShown(true);
    closeOverlay();
}

// --- the pay table and the about box --------------------------------------------------------

void MachineWindow::openSecondary(SecondaryWindow* secondary) {
    enterMode(Mode::Dialog);
    connect(secondary, &SecondaryWindow::closed, this, [this, secondary] {
        secondary->deleteLater();
        closeOverlay();
    });
    cabinet_.closeMenu();
    secondary->showCentred();
}

void MachineWindow::onPayTable() {
    if (!controls().menu.enabled) {
        return;
    }
    playSound(sound::kClick);
    cabinet_.showNoCredit(false);
    auto* pays =
        new PayTableWindow(services_.art.picture(Picture::PayTable), services_.dialogParent);
    openSecondary(pays);
    // The book's pay table is made for a screen of ratio 1; on a scaled desktop one drawn for the
    // screen's pixels takes its place when it is ready, and goes with the window.
    auto* sharp = new ScreenPicture(Picture::PayTable, pays);
    connect(sharp, &ScreenPicture::drawn, pays, &PayTableWindow::setPicture);
    sharp->drawFor(pays->devicePixelRatioF());
}

void MachineWindow::onAbout() {
    if (!controls().menu.enabled) {
        return;
    }
    playSound(sound::kClick);
    openSecondary(new AboutBox(services_.art.picture(Picture::AppIcon), services_.links,
                               services_.messages, services_.dialogParent));
}

}  // namespace kestrel::ui
