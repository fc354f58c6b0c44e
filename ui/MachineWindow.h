#pragma once

#include <QString>
#include <QWidget>

#include "ArtBook.h"
#include "Autoplay.h"
#include "Cabinet.h"
#include "CabinetMode.h"
#include "Clock.h"
#include "ControlStates.h"
#include "DisplayMode.h"
#include "LinkOpener.h"
#include "Machine.h"
#include "Messages.h"
#include "OptionsHost.h"
#include "PlayerRecordStore.h"
#include "Presentation.h"
#include "SavedGame.h"
#include "Sequencer.h"
#include "SoundPlayer.h"

class QKeyEvent;

namespace kestrel::ui {

class BetMeter;
class CoinDrop;
class CreditMeter;
class FeatureBanners;
class GamblePanel;
class LastGamesView;
class LineFlash;
class LineOverlay;
class ReelAnimation;
class ReelWindow;
class ScatterDance;
class SecondaryWindow;
class StoreNotice;
class WildGlow;
class WinCounter;
class WinMeter;

// What the window needs from the world around it.
struct Services {
    Clock& clock;
    SoundPlayer& sound;
    SettingsStore& settings;
    RandomSource& random;
    DisplayMode& display;
    const ArtBook& art;
    Messages& messages;
    LinkOpener& links;
    QWidget* dialogParent = nullptr;  // top-level parent of the options dialog and other windows
};

// The machine's window, objectName "kestrel". It presents what the Machine decides and forwards
// the player's presses to it. Its mode says what a press may do; every control's state is
// derived from that mode, the machine and autoplay; every pause is a step on the sequencer.
// Widgets belong to their owners (the reel window, the three meters, the cabinet's controls,
// the banners, the coins, the gamble panel); the presentations ask those owners for changes.
// The handlers are grouped by topic: start-up, shutdown, keys and controls (MachineWindow.cpp),
// one game (MachineWindowSpin.cpp), free spins, take-win and autoplay
// (MachineWindowFeature.cpp), bets and credit (MachineWindowCredit.cpp), the gamble
// (MachineWindowGamble.cpp), the menu, its views and the options (MachineWindowMenu.cpp),
// saving, the records' notice and a game taken up (MachineWindowRecords.cpp).
class MachineWindow : public QWidget {
    Q_OBJECT
public:
    explicit MachineWindow(const Services& services, QWidget* parent = nullptr);
    ~MachineWindow() override;

    // The window's start-up: display mode, player slot 1, meters, reels, lines, opening sound.
    void load();
    // The one way out, for the exit picture, the menu's exit and the close box: brings pending
    // amounts home, saves the active record, stops every timer, restores the display.
    void shutdown();

    const Machine& machine() const { return machine_; }
    const QString& playernumber() const { return records_.playernumber(); }
    Mode mode() const { return mode_.current(); }
    bool isShutDown() const { return mode_.is(Mode::Closed); }
    // `keysEnabled`: whether the space bar plays now.
    bool keysEnabled() const { return controls().keys; }
    // `autoplayState`: 10 while autoplay runs, 0 otherwise.
    int autoplayState() const { return autoplay_.state(); }
    const LineFlash& lineFlash() const { return *lineFlash_; }
    const LineOverlay& lineOverlay() const;
    const ReelWindow& reelWindow() const { return *reels_; }

    // Shows the machine at this scale, every widget and picture made for the device pixels it
    // covers; 1 is the machine's own 800 × 600. `ratio` is the screen's pixels per unit of the
    // layout (2 on a screen at 200 %), for which the pictures are drawn.
    void setScale(qreal scale, qreal ratio = 1.0);

signals:
    void finished();  // the program ends

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // MachineWindow.cpp
    void connectControls();
    ControlStates controls() const;
    void applyControls();
    bool enterMode(Mode next);
    void playSound(int resource, bool loop = false);
    void showPlayerCaption();
    void keyPressed(const QKeyEvent& event);
    bool isHeldKey(const QKeyEvent& press) const;
    void onIdleTick();
    void stopPresentations();
    void stopReelPresentations();

    // MachineWindowRecords.cpp
    void saveGame();
    void saveAtRest();
    void showStoreProblem();
    void showTakenUp(TakenUp taken);
    void presentGameInProgress();

    // MachineWindowSpin.cpp
    void connectSpinControls();
    void onPlayButton(int k);
    void spin(int k);
    void refuse(PlayResult why);
    void tellCreditIsFull(const QString& text);
    void tellHeldNotice();
    void onReelStopped(int reel);
    void onSpinEnded();
    void presentResult(const Settlement& settled);
    void finishSettling(const Settlement& settled);

    // MachineWindowFeature.cpp
    void connectFeatureControls();
    void announceFeature(const Settlement& settled);
    void countDown(const Settlement& settled);
    void completeFeature();
    void onTakeWin();
    void takeWin();
    void onRespinPoll();
    void onAutoplayOn();
    void startAutoplay();
    void onAutoplayOff();
    void onAutospinPoll();

    // MachineWindowCredit.cpp
    void connectCreditControls();
    void onLineButton(int k);
    void onNote();
    void onCoinButton();
    void onCoinDue();

    // MachineWindowGamble.cpp
    void connectGambleControls();
    void onGambleButton();
    void onGambleOver(bool lost, std::int32_t collected);

    // MachineWindowMenu.cpp
    void connectMenuControls();
    void onOptionsButton();
    void onPaylineView();
    void onReturnToGame();
    void onLastGames();
    void onLastGamesBack();
    void onPayTable();
    void onAbout();
    void openSecondary(SecondaryWindow* secondary);
    void closeOverlay();
    // What the options dialog may do to the window.
    class OptionsSide;
    friend class OptionsSide;

    Services services_;
    Machine machine_;
    PlayerRecordStore records_;
    Sequencer sequence_;
    Presentation* presentation_;

    // The owners of the window's widgets, then the presentations that ask them for changes.
    ReelWindow* reels_;
    CreditMeter* credit_;
    BetMeter* bet_;
    WinMeter* win_;
    Cabinet cabinet_;
    FeatureBanners* banners_;
    CoinDrop* coins_;
    GamblePanel* gamble_;
    StoreNotice* storeNotice_;
    LastGamesView* lastGames_;
    ReelAnimation* animation_;
    LineFlash* lineFlash_;
    WinCounter* winCounter_;
    ScatterDance* scatters_;
    WildGlow* wild_;

    ClockTimer* tmrtick_;
    ClockTimer* Timerrespin_;
    ClockTimer* tmrautospin_;
    ClockTimer* tmrshowbuttons_;

    // The window's own state.
    CabinetMode mode_;
    Autoplay autoplay_;
    Autoplay::Next autoplayNext_;  // what autoplay does once its wait is over
    int idleTicks_ = 0;            // 100 ms ticks since the last settling, spin or take-win
    QString heldNotice_;           // why money was refused while no box could open
    int coinsTurnedAway_ = 0;      // coins of the press under way that the credit had no room for
    int releasedKey_ = 0;          // the last key let go over the window, and when
    quint64 releasedAt_ = 0;
};

}  // namespace kestrel::ui
