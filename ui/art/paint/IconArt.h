#pragma once

#include <QImage>

namespace kestrel::art {

class SymbolArt;

// The application icon: the jukebox before a turquoise starburst on a cherry tile.
QImage appIcon(const SymbolArt& symbols, qreal scale);

}  // namespace kestrel::art
