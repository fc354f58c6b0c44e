#pragma once

#include <QImage>

namespace kestrel::art {

// The whole machine, 800 × 600, drawn from the rectangles of Layout.h: the reel window in its
// chrome bezel, the marker columns with an unlit socket at every marker's place, the meters, the
// logo and coin slot, the control deck, and at each picture button's place its pressed look.
QImage cabinetPicture();

}  // namespace kestrel::art
