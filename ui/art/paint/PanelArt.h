#pragma once

#include <QImage>

namespace kestrel::art {

class SymbolArt;

// `panfreespin`: the information plate under the reels, telling how free spins are won.
QImage infoPlate(const SymbolArt& symbols, qreal scale);
// The no-credit panel's face; its centre is left plain for the window's words.
QImage noCreditPanel(qreal scale);
// `pandouble`'s face: label glass at the top, the card's bay, sockets for the suit buttons and
// the card history, a rest for the win and lose plates.
QImage gamblePanel(qreal scale);
// `menupic`'s face: four recesses for the menu buttons.
QImage menuPanel(qreal scale);

}  // namespace kestrel::art
