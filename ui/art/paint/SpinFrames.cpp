#include "SpinFrames.h"

#include <QPainter>
#include <array>

#include "ArtBook.h"
#include "IdleReels.h"
#include "Layout.h"
#include "Raster.h"
#include "ReelSurface.h"
#include "ScaledSize.h"
#include "SymbolArt.h"

namespace kestrel::art {

namespace {

constexpr int kCell = 125;
constexpr int kFramesPerSet = 4;
constexpr int kBlurRadius = 15;
// Room above and below the frames for the blur to pull in their neighbours: three passes of the
// blur reach 3 × 15 pixels, well inside one cell, so a frame is the same whether it is cut from
// a strip of its own or from one shared with the rest of its set.
constexpr int kMargin = kCell;
constexpr int kIdleReels = 5;

using Band = std::array<Symbol, kFramesPerSet>;

struct BlurSet {
    Band band;
    int first;  // its first picture in the list
    int count;  // its pictures; past four they repeat the first ones with their streaks
};

// 1–4 and two spare frames 5–6 of one band, for reels 1, 3 and 5; 7–10 of another for reels
// 2 and 4.
const std::array<BlurSet, 2> kSets = {{
    {{Symbol::S1, Symbol::S7, Symbol::S4, Symbol::S10}, 1, 6},
    {{Symbol::S2, Symbol::S8, Symbol::S5, Symbol::W}, 7, 4},
}};

// A band of four symbols repeated, moved down one cell per frame: the cycle of four frames is
// seamless, and a quarter-period step leaves no doubt about the direction of travel. Frame f
// shows band[(j + 3 − f) mod 4] in its cell j (counted from its top). Returns frames
// `first`..`last` (0..3) of the set, cut from one blurred strip. The strip is laid out in whole
// device cells, so a frame is the same pixels whichever strip it comes from.
std::vector<QImage> blurFrames(const SymbolArt& symbols, const ReelSurface& surface,
                               const Band& band, int first, int last) {
    const qreal scale = surface.scale();
    const int height = layout::kReelPicture.height();
    std::array<QImage, kFramesPerSet> cells;
    for (size_t i = 0; i < cells.size(); ++i) {
        cells[i] = ReelSurface::withShadow(symbols.image(band[i], scale));
    }
    // Frame f's top is the strip's cell last − f, below the margin.
    const int cell = scaledLength(kCell, scale);
    const int margin = scaledLength(kMargin, scale);
    const int frameHeight = scaledLength(height, scale);
    const int frameTops = cell * (last - first);
    QImage strip = transparentPixels(QSize(cell, frameHeight + frameTops + 2 * margin), scale);
    for (int c = -margin / cell - 1; cell * c < frameHeight + frameTops + margin; ++c) {
        const int i = ((c + 3 - last) % kFramesPerSet + kFramesPerSet) % kFramesPerSet;
        blendAt(strip, QPoint(0, margin + cell * c), cells[static_cast<size_t>(i)]);
    }
    const QImage smeared = blurredVertically(strip, kBlurRadius);
    std::vector<QImage> contents;
    for (int f = first; f <= last; ++f) {
        contents.push_back(smeared.copy(0, margin + cell * (last - f), cell, frameHeight));
    }
    return contents;
}

// Frame f of a set: its blurred band on the reel, with faint streaks that sell the speed where
// the band is light.
QImage blurPicture(const ReelSurface& surface, QImage content, int f) {
    ArtPainter p(&content);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    for (int x : {18, 47, 81, 106}) {
        p.drawLine(x + f % 2 * 3, 0, x + f % 2 * 3, layout::kReelPicture.height());
    }
    p.end();
    return surface.column(content);
}

QImage restingPicture(const ReelSurface& surface, int index) {
    if (index == kPlainReel) {
        return surface.column();
    }
    return surface.column(ReelSurface::withShadow(idleReel(index - kPlainReel, surface.scale())));
}

}  // namespace

std::vector<QImage> spinPictures(const SymbolArt& symbols, const ReelSurface& surface) {
    std::vector<QImage> pictures;
    for (const BlurSet& set : kSets) {
        const std::vector<QImage> contents =
            blurFrames(symbols, surface, set.band, 0, std::min(set.count, kFramesPerSet) - 1);
        for (int f = 0; f < set.count; ++f) {
            pictures.push_back(
                blurPicture(surface, contents[static_cast<size_t>(f % kFramesPerSet)], f));
        }
    }
    for (int index = kPlainReel; index <= kPlainReel + kIdleReels; ++index) {
        pictures.push_back(restingPicture(surface, index));
    }
    return pictures;
}

QImage spinPicture(const SymbolArt& symbols, const ReelSurface& surface, int index) {
    for (const BlurSet& set : kSets) {
        if (index >= set.first && index < set.first + set.count) {
            const int f = index - set.first;
            const int shift = f % kFramesPerSet;
            return blurPicture(surface, blurFrames(symbols, surface, set.band, shift, shift)[0], f);
        }
    }
    return restingPicture(surface, index);
}

}  // namespace kestrel::art
