#pragma once

#include <QImage>

namespace kestrel::art {

// The reels at rest before a game: across the middle row five marquee lamps spell "PLAY!",
// between starbursts and daisies. Returns reel 1..5's drawing, transparent on the reel surface.
QImage idleReel(int reel, qreal scale);

}  // namespace kestrel::art
