#pragma once

#include <QImage>
#include <QRect>

namespace kestrel::art {

class SymbolArt;

// The pay table window's picture: every symbol with its pays beside it, the scatter pays, the
// wild and the free spins, all read from the rules engine.
QImage payTablePicture(const SymbolArt& symbols);

// The corner of the picture left plain for the window's " EXIT" button.
inline constexpr QRect kPayTableExitPlace(470, 402, 114, 36);

}  // namespace kestrel::art
