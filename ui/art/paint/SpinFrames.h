#pragma once

#include <QImage>
#include <vector>

namespace kestrel::art {

class ReelSurface;
class SymbolArt;

// `spinlist`: blur frames 1–6 (1–4 shown on reels 1, 3, 5), 7–10 (reels 2 and 4), the empty reel
// 11 and the idle reels 12–16.
std::vector<QImage> spinPictures(const SymbolArt& symbols, const ReelSurface& surface);
// Picture `index` (1..16) alone, as spinPictures() draws it.
QImage spinPicture(const SymbolArt& symbols, const ReelSurface& surface, int index);

}  // namespace kestrel::art
