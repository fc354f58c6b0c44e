#pragma once

#include <QRect>

#include "ArtBook.h"
#include "Layout.h"

namespace kestrel {

// Where each picture button sits on the window. A button's picture has exactly this size, and the
// background shows the button's pressed look at this place.
constexpr QRect buttonPlace(ButtonArt art) {
    const int index = static_cast<int>(art);
    if (art <= ButtonArt::Play6) {
        return layout::kPlayButtons[index - static_cast<int>(ButtonArt::Play1) + 1];
    }
    if (art <= ButtonArt::Line5) {
        return layout::kLineButtons[index - static_cast<int>(ButtonArt::Line1) + 1];
    }
    switch (art) {
        case ButtonArt::coinsin:
            return layout::kCoinsIn;
        case ButtonArt::notes:
            return layout::kNotes;
        case ButtonArt::autoplayon:
            return layout::kAutoplayOn;
        case ButtonArt::autoplayoff:
            return layout::kAutoplayOff;
        case ButtonArt::doublebutton:
            return layout::kGambleButton;
        case ButtonArt::takewin:
            return layout::kTakeWin;
        case ButtonArt::cmdexit:
            return layout::kExit;
        case ButtonArt::btnopenmenu:
            return layout::kMenuOpener;
        default:
            return layout::kOptions;
    }
}

}  // namespace kestrel
