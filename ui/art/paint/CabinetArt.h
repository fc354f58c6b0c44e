#pragma once

#include <QImage>
#include <vector>

#include "ArtBook.h"
#include "ButtonArtist.h"

namespace kestrel::art {

// The whole machine, 800 × 600, drawn from the rectangles of Layout.h: the reel window in its
// chrome bezel, the marker columns with an unlit socket at every marker's place, the meters, the
// logo and coin slot, the control deck, and at each picture button's place its pressed look.
// At any scale a button's look lies exactly where the window puts the button: at the device
// pixels scaledRect() gives for its place.
QImage cabinetPicture(qreal scale);

// The places of the reels in the cabinet picture drawn at `scale`, each a device pixel inside
// the reel's own: the reel window is plain ink there, behind the reel pictures.
std::vector<QRect> reelOpenings(qreal scale);

// The look the cabinet shows at a button's place: pressed, or out of use for the take-win
// button, which is hidden rather than pressed.
ButtonLook cabinetLook(ButtonArt art);

}  // namespace kestrel::art
