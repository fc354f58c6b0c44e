#pragma once

#include <QPixmap>

namespace kestrel {

class ArtBook;

// The machine as the window puts it together from the book and Layout.h, for judging the art
// as a whole: at start (idle reels, all lines lit), and in play (settled reels on a spin with
// scatters and a wild animating, the free-spin frame, the gamble panel mid-reveal, the menu).
QPixmap startPreview(const ArtBook& book);
QPixmap playPreview(const ArtBook& book);

}  // namespace kestrel
