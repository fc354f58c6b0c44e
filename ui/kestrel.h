#pragma once

#include <QString>
#include <QWidget>

#include "ArtBook.h"
#include "Cabinet.h"
#include "Clock.h"
#include "DisplayMode.h"
#include "Machine.h"
#include "LinkOpener.h"
#include "Messages.h"
#include "OptionsHost.h"
#include "PlayerRecordStore.h"
#include "SoundPlayer.h"

namespace kestrel::ui {

class CoinDrop;
class GamblePanel;
class FreeSpinBanners;
class LineFlash;
class LineOverlay;
class ReelAnimation;
class ScatterDance;
class SecondaryWindow;
class WildGlow;
class WinCounter;

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

// The machine's window. It presents what the Machine decides and forwards the player's
// presses to it; every timer, pause and deferred press runs on the injected clock.
// Its handlers are grouped by topic: start-up, shutdown, keys and the menu (kestrel.cpp), one
// game (kestrel_spin.cpp), bets and credit (kestrel_credit.cpp), free spins, take-win and
// autoplay (kestrel_feature.cpp), the gamble (kestrel_gamble.cpp), the menu and the options
// (kestrel_menu.cpp).
class kestrel : public QWidget, private OptionsHost {
    Q_OBJECT
public:
    explicit kestrel(const Services& services, QWidget* parent = nullptr);
    ~kestrel() override;

    // The window's start-up: display mode, player slot 1, meters, reels, lines, opening sound.
    void load();
    // The one way out, for the exit picture, the menu's exit and the close box: brings pending
    // amounts home, saves the active record, stops every timer, restores the display.
    void shutdown();

    Machine& machine() override { return machine_; }
    const Machine& machine() const { return machine_; }
    const QString& playernumber() const { return records_.playernumber(); }
    bool keysEnabled() const { return keysEnabled_; }
    int idleTicks() const { return idleTicks_; }
    int autoplayState() const { return autoplayState_; }
    bool isShutDown() const { return shutDown_; }
    const LineFlash& lineFlash() const { return *lineFlash_; }
    const LineOverlay& lineOverlay() const { return *lineOverlay_; }
    const WinCounter& winCounter() const { return *winCounter_; }

signals:
    void finished();  // the program ends

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // kestrel.cpp
    void connectControls();
    void connectCreditControls();
    void connectFeatureControls();
    void playSound(int resource, bool loop = false);
    void showPlayerCaption();
    void writeRecord();
    void keyPressed(int key);
    void onTick();
    void onShowButtons();

    // kestrel_spin.cpp
    void playClicked(int k);
    void pressPlay(int k);
    void pressPlayOfBet();
    void refuse();
    void resetForSpin();
    void onReelStopped(int reel);
    void endOfSpin();
    void startPresentations();
    void settlePaidSpin(std::int32_t spinWin);
    void onRespinTick();

    // kestrel_credit.cpp
    void onLineButton(int k);
    void onNote();
    void onCoinButton();
    void onCoinDropped();
    void showMarkers();

    // kestrel_feature.cpp
    void triggerFreeSpins(bool firstTrigger);
    void countDown(const Settlement& settled);
    void completeFeature();
    void onTakeWin();
    void pressTakeWin();
    void onAutoplayOn();
    void onAutoplayOff();
    void onAutospinTick();
    void setFeatureControlsEnabled(bool enabled);

    // kestrel_menu.cpp
    void connectMenuControls();
    void onOptionsButton();
    void onPaylineView();
    void onReturnToGame();
    void onMarkerHover(int marker);
    void onPayTable();
    void onAbout();
    void showSecondary(SecondaryWindow* secondary);
    // What the options dialog may do to the window.
    PlayerRecordStore& records() override { return records_; }
    DisplayMode& display() override { return services_.display; }
    void showCredit() override;
    void blankCredit() override;
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void showIdleReels() override;
    void hideCells() override;
    void disableGamble() override;
    void setReelSpeed(int reelspeed) override;
    void restoreWindow() override;
    void moveToCorner() override;

    // kestrel_gamble.cpp
    void connectGambleControls();
    void onGambleButton();
    void onGambleLost();
    void onGambleCollected(std::int32_t amount);
    void gambleOver();

    Services services_;
    Machine machine_;
    PlayerRecordStore records_;
    ReelAnimation* reels_;
    LineOverlay* lineOverlay_;
    Cabinet c_;
    LineFlash* lineFlash_;
    WinCounter* winCounter_;
    CoinDrop* coinDrop_;
    ScatterDance* scatters_;
    WildGlow* wild_;
    FreeSpinBanners* banners_;
    GamblePanel* gamble_;

    ClockTimer* tmrtick_;
    ClockTimer* Timerrespin_;
    ClockTimer* tmrautospin_;
    ClockTimer* tmrshowbuttons_;

    bool keysEnabled_ = true;
    int keyGuard_ = 0;
    int idleTicks_ = 0;
    int autoplayState_ = 0;
    int autoplayDelay_ = 0;
    bool autoplayNoticeShown_ = false;
    bool paylineView_ = false;  // the reels are away and the markers draw their lines
    bool shutDown_ = false;
};

}  // namespace kestrel::ui
