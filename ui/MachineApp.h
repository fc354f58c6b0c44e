#pragma once

#include "ArtBook.h"
#include "LinkOpener.h"
#include "MachineFrame.h"
#include "MachineWindow.h"
#include "Messages.h"
#include "QSettingsStore.h"
#include "QtClock.h"
#include "QtSoundPlayer.h"
#include "RandomSource.h"
#include "SingleInstanceLock.h"
#include "TerminationSignals.h"

namespace kestrel::ui {

// The running program: the real clock, sounds, settings store, generator and picture book,
// the frame and the machine's window in it, loaded and shown. Needs a QApplication.
//
// One copy plays per records folder: a second copy says so and ends without touching the
// records. A termination signal (logout, kill, Ctrl+C in a terminal, the terminal closing) and
// the desktop session's end run the same shutdown as the exit button.
class MachineApp {
public:
    MachineApp();
    // The same program with its generator seeded, for tools that compare runs.
    explicit MachineApp(std::uint64_t seed);

    // False when another copy holds the records: this one only shows why, then quits.
    bool running() const { return window_ != nullptr; }
    MachineFrame& frame() { return frame_; }
    MachineWindow& window() { return *window_; }
    QtClock& clock() { return clock_; }

private:
    explicit MachineApp(StdRandom random);
    void start();
    void refuseSecondCopy();

    // Under a limit on the size of the files a process writes (`ulimit -f`), a write past it
    // would end the program with SIGXFSZ. Ignored, the write fails with EFBIG instead: the
    // records say so on screen and the game goes on. First of the members, so that it holds
    // before the sounds are made: making them starts the sound system, which sets up shared
    // memory larger than such a limit, at times before a later member's constructor has run.
    struct FileSizeSignalIgnored {
        FileSizeSignalIgnored();
    } fileSizeSignal_;
    QtClock clock_;
    QtSoundPlayer sound_;
    QSettingsStore settings_;
    SingleInstanceLock lock_;
    TerminationSignals signals_;
    StdRandom random_;
    const ArtBook art_;
    QtMessages messages_;
    DesktopLinkOpener links_;
    MachineFrame frame_;
    MachineWindow* window_ = nullptr;  // owned by the frame's scene
};

}  // namespace kestrel::ui
