#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "ArtBook.h"
#include "Cabinet.h"
#include "Clock.h"
#include "DisplayMode.h"
#include "Machine.h"
#include "PlayerRecordStore.h"
#include "SoundPlayer.h"

namespace kestrel::ui {

class ReelAnimation;

// What the window needs from the world around it.
struct Services {
    Clock& clock;
    SoundPlayer& sound;
    SettingsStore& settings;
    RandomSource& random;
    DisplayMode& display;
    const ArtBook& art;
};

// The machine's window. It presents what the Machine decides and forwards the player's
// presses to it; every timer, pause and deferred press runs on the injected clock.
class kestrel : public QWidget {
    Q_OBJECT
public:
    explicit kestrel(const Services& services, QWidget* parent = nullptr);
    ~kestrel() override;

    // The window's start-up: display mode, player slot 1, meters, reels, lines, opening sound.
    void load();
    // The one way out, for the exit picture, the menu's exit and the close box: brings pending
    // amounts home, saves the active record, stops every timer, restores the display.
    void shutdown();

    Machine& machine() { return machine_; }
    const Machine& machine() const { return machine_; }
    const QString& playernumber() const { return records_.playernumber(); }
    bool keysEnabled() const { return keysEnabled_; }
    int idleTicks() const { return idleTicks_; }
    int autoplayState() const { return autoplayState_; }
    bool isShutDown() const { return shutDown_; }

signals:
    void finished();  // the program ends

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void playSound(int resource, bool loop = false);
    void showCredit();
    void setCaption();
    void writeRecord();

    // --- one game ---
    void playClicked(int k);
    void pressPlay(int k);
    void pressPlayOfBet();
    void refuse();
    void resetForSpin();
    void onReelStopped(int reel);
    void endOfSpin();
    void keyPressed(int key);

    // --- idle timers ---
    void onTick();
    void onShowButtons();

    Services services_;
    Machine machine_;
    PlayerRecordStore records_;
    ReelAnimation* reels_;
    Cabinet c_;

    ClockTimer* tmrtick_;
    ClockTimer* Timerrespin_;
    ClockTimer* tmrautospin_;
    ClockTimer* tmrshowbuttons_;

    bool keysEnabled_ = true;
    int keyGuard_ = 0;
    int idleTicks_ = 0;
    int autoplayState_ = 0;
    int autoplayDelay_ = 0;
    bool shutDown_ = false;
};

}  // namespace kestrel::ui
