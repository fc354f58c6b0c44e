#pragma once

#include <QImage>

namespace kestrel::art {

// The free-spin banners: marquee signs with lamps round the edge.
QImage freeSpinsWonBanner();        // `ctlfrees1`
QImage freeSpinsLeftFrame();        // `ctrlfreesleft1`: points right, at the count beside it
QImage freeSpinsCompletedBanner();  // `freespinscompleted1`

// The plates that slide down the gamble panel after a guess.
QImage gambleSlide(bool won);

// The coin dropping into the slot: whole above it (`dollar1`), then half in (`halfcoin1`).
QImage coinAbove();
QImage coinHalfIn();

}  // namespace kestrel::art
