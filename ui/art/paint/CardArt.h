#pragma once

#include <QImage>
#include <vector>

namespace kestrel::art {

// `imagelistcards`: the aces of hearts, clubs, diamonds and spades (1–4), the back (5), the four
// suit icons (6–9) and fifteen reveal frames (10–24) in which the back peels away from its lower
// right corner. A reveal frame is transparent where the back has gone, so drawn over a face it
// shows the face there.
std::vector<QImage> cardPictures(qreal scale);
// Picture `index` (1..24) of the list alone.
QImage cardPicture(int index, qreal scale);
// Reveal frame `k` (1..15, picture 9 + k) made from the back as the list draws it (picture 5,
// with a device pixel ratio of the scale it was drawn for): quick enough to make when shown.
QImage cardRevealFrame(const QImage& back, int k);

}  // namespace kestrel::art
