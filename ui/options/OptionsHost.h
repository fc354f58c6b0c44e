#pragma once

#include <QString>

#include "DisplayMode.h"
#include "Machine.h"
#include "PlayerRecordStore.h"

namespace kestrel::ui {

// What the options dialog needs from the machine's window: the machine and the player records
// it owns, the display, and the few things the dialog changes on the window's face.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual Machine& machine() = 0;
    virtual PlayerRecordStore& records() = 0;
    virtual DisplayMode& display() = 0;

    // PANELBANK shows the credit, Lblcredit the same in dollars.
    virtual void showCredit() = 0;
    // PANELBANK and Lblcredit show empty text.
    virtual void blankCredit() = 0;
    // The window's title, as given.
    virtual void setCaption(const QString& caption) = 0;
    // The five idle reel pictures (spinlist 12 to 16).
    virtual void showIdleReels() = 0;
    // flasher(1..15).
    virtual void hideCells() = 0;
    // doublebutton: a pending gamble chance is lost.
    virtual void disableGamble() = 0;
    // Stop ticks from the reel speed: 1 fast, 2 slow.
    virtual void setReelSpeed(int reelspeed) = 0;
    // Enables and shows the window again after the dialog.
    virtual void restoreWindow() = 0;
    // Moves the window to the screen's top-left corner.
    virtual void moveToCorner() = 0;
};

}  // namespace kestrel::ui
