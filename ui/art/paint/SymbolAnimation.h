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

// Picture `index` (1..18) of either list alone, as the list draws it.
QImage scatterFrame(const SymbolArt& symbols, const ReelSurface& surface, int index);
QImage wildFrame(const SymbolArt& symbols, const ReelSurface& surface, int index);

}  // namespace kestrel::art
