#include "SpinFrames.h"

#include <QPainter>
#include <array>

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
// Room above and below a frame for the blur to pull in its neighbours: three passes of the blur
// reach 3 × 15 pixels, well inside one cell.
constexpr int kMargin = kCell;
constexpr int kBlurFrames = 10;
constexpr int kPlainReel = 11;

using Band = std::array<Symbol, kFramesPerSet>;

// A band of four symbols repeated, moved down one cell per frame: the cycle of four frames is
// seamless, and a quarter-period step leaves no doubt about the direction of travel. Frame f
// shows band[(j + 3 − f) mod 4] in its cell j (counted from the top of the frame, negative
// above it).
QImage blurFrame(const SymbolArt& symbols, const ReelSurface& surface, const Band& band, int f) {
    const qreal scale = surface.scale();
    const int height = layout::kReelPicture.height();
    std::array<QImage, kFramesPerSet> cells;
    for (size_t i = 0; i < cells.size(); ++i) {
        cells[i] = ReelSurface::withShadow(symbols.image(band[i], scale));
    }
    QImage strip = transparentImage(QSize(kCell, height + 2 * kMargin), scale);
    for (int j = -kMargin / kCell - 1; kCell * j < height + kMargin; ++j) {
        const int i = ((j + 3 - f) % kFramesPerSet + kFramesPerSet) % kFramesPerSet;
        blendAt(strip, QPoint(0, scaledLength(kMargin + kCell * j, scale)),
                cells[static_cast<size_t>(i)]);
    }
    const QImage smeared = blurredVertically(strip, kBlurRadius);
    QImage content = smeared.copy(scaledRect(QRect(0, kMargin, kCell, height), scale));
    QPainter p(&content);
    // Faint streaks sell the speed where the band is light.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    for (int x : {18, 47, 81, 106}) {
        p.drawLine(x + f % 2 * 3, 0, x + f % 2 * 3, height);
    }
    p.end();
    return surface.column(content);
}

}  // namespace

QImage spinPicture(const SymbolArt& symbols, const ReelSurface& surface, int index) {
    // 1–4 and two spare frames 5–6 of one band, for reels 1, 3 and 5; 7–10 of another for reels
    // 2 and 4.
    if (index >= 1 && index <= 6) {
        return blurFrame(symbols, surface, {Symbol::S1, Symbol::S7, Symbol::S4, Symbol::S10},
                         (index - 1) % kFramesPerSet);
    }
    if (index >= 7 && index <= kBlurFrames) {
        return blurFrame(symbols, surface, {Symbol::S2, Symbol::S8, Symbol::S5, Symbol::W},
                         index - 7);
    }
    if (index == kPlainReel) {
        return surface.column();
    }
    const int reel = index - kPlainReel;
    return surface.column(ReelSurface::withShadow(idleReel(reel, surface.scale())));
}

}  // namespace kestrel::art
