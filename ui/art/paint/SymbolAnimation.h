#pragma once

#include <QImage>
#include <vector>

namespace kestrel::art {

class ReelSurface;
class SymbolArt;

// Six frames for a top cell, six for a middle cell, six for a bottom cell (18 in all).
// `ImageList1`: the scatter couple twirls round on its record, pulses and sparkles.
std::vector<QImage> scatterFrames(const SymbolArt& symbols, const ReelSurface& surface);
// `ImageList2`: the peace sign glows and rocks while a ring of petals blooms behind it.
std::vector<QImage> wildFrames(const SymbolArt& symbols, const ReelSurface& surface);

// The six frames of either list as one layer each, whatever lies on the reel in a frame (light,
// symbol with its shadow, sparkles) in one transparent picture of a cell, the same for every
// row: frame f of row r is that layer laid on the row (ReelSurface::under() and shade()).
std::vector<QImage> scatterLayers(const SymbolArt& symbols, qreal scale);
std::vector<QImage> wildLayers(const SymbolArt& symbols, qreal scale);

// Picture `index` (1..18) of either list alone, as the list draws it.
QImage scatterFrame(const SymbolArt& symbols, const ReelSurface& surface, int index);
QImage wildFrame(const SymbolArt& symbols, const ReelSurface& surface, int index);

}  // namespace kestrel::art
