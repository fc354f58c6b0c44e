#pragma once

#include <QImage>

namespace kestrel::art {

// The free-spin banners: marquee signs with lamps round the edge.
QImage freeSpinsWonBanner(qreal scale);  // `ctlfrees1`
QImage freeSpinsLeftFrame(qreal scale);  // `ctrlfreesleft1`: points right, at the count beside it
QImage freeSpinsCompletedBanner(qreal scale);  // `freespinscompleted1`

// The plates that slide down the gamble panel after a guess.
QImage gambleSlide(bool won, qreal scale);

// The coin dropping into the slot: whole above it (`dollar1`), then half in (`halfcoin1`).
QImage coinAbove(qreal scale);
QImage coinHalfIn(qreal scale);

}  // namespace kestrel::art
