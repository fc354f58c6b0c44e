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

    // The credit meter shows the player's credit.
    virtual void showCredit() = 0;
    // The credit meter shows nothing (the player's details were deleted).
    virtual void blankCredit() = 0;
    // The win and bet meters show nothing and the no-credit panel goes: what they showed
    // belonged to the player before.
    virtual void clearGameMeters() = 0;
    // The window's title, as given.
    virtual void setCaption(const QString& caption) = 0;
    // The reels at rest, without the last result.
    virtual void showIdleReels() = 0;
    // The reels run at this speed: 1 fast, 2 slow.
    virtual void setReelSpeed(int reelspeed) = 0;
};

}  // namespace kestrel::ui
