#pragma once

#include <memory>

#include "ArtBook.h"
#include "LinkOpener.h"
#include "MachineFrame.h"
#include "MachineWindow.h"
#include "Messages.h"
#include "QSettingsStore.h"
#include "QtClock.h"
#include "QtSoundPlayer.h"
#include "RandomSource.h"

namespace kestrel::ui {

// The running program: the real clock, sounds, settings store, generator and picture book,
// the frame and the machine's window in it, loaded and shown. Needs a QApplication.
class MachineApp {
public:
    MachineApp();

    MachineFrame& frame() { return frame_; }
    MachineWindow& window() { return *window_; }
    QtClock& clock() { return clock_; }

private:
    QtClock clock_;
    QtSoundPlayer sound_;
    QSettingsStore settings_;
    StdRandom random_;
    const ArtBook art_;
    QtMessages messages_;
    DesktopLinkOpener links_;
    MachineFrame frame_;
    MachineWindow* window_;  // owned by the frame's scene
};

}  // namespace kestrel::ui
