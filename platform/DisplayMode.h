#pragma once

#include <QSize>

namespace kestrel {

// The machine is drawn for an 800 × 600 screen. Its "800 × 600 display mode" is a full-screen
// presentation of the machine scaled to fill the screen; restoring returns to the ordinary
// 800 × 600 window as it was.
class DisplayMode {
public:
    virtual ~DisplayMode() = default;
    virtual QSize screenSize() const = 0;
    virtual void switchTo800x600() = 0;
    virtual void restore() = 0;
    virtual bool presentingFullScreen() const = 0;
};

// Whether the game switches this screen to 800 × 600: only when both sides differ, so a screen
// of 1024 × 600, say, is left as it is.
inline bool needs800x600(QSize screen) {
    return screen.width() != 800 && screen.height() != 600;
}

}  // namespace kestrel
