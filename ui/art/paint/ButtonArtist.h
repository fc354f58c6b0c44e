#pragma once

#include <QImage>

#include "ArtBook.h"

namespace kestrel::art {

enum class ButtonLook {
    Raised,    // the button as shown, ready to press
    Pressed,   // pushed in, lamp off: the background shows this at the button's place
    Disabled,  // greyed and faded
};

// A picture button at the size of its place on the window, at `scale`.
QImage buttonPicture(ButtonArt art, ButtonLook look, qreal scale);

}  // namespace kestrel::art
