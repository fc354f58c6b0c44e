#pragma once

#include <QImage>

namespace kestrel::art {

class SymbolArt;

// The pay table window's picture: every symbol with its pays beside it, the scatter pays, the
// wild and the free spins, all read from the rules engine.
QImage payTablePicture(const SymbolArt& symbols, qreal scale);

}  // namespace kestrel::art
