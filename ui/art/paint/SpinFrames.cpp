#include "SpinFrames.h"

#include <QPainter>
#include <array>

#include "IdleReels.h"
#include "Layout.h"
#include "Raster.h"
#include "ReelSurface.h"
#include "SymbolArt.h"

namespace kestrel::art {

namespace {

constexpr int kCell = 125;
constexpr int kFramesPerSet = 4;

// A band of four symbols repeated, moved down one cell per frame: the cycle of four frames is
// seamless, and a quarter-period step leaves no doubt about the direction of travel.
std::vector<QImage> blurSet(const SymbolArt& symbols, const ReelSurface& surface,
                            const std::array<Symbol, kFramesPerSet>& band, int frames) {
    const int period = kFramesPerSet * kCell;
    const int margin = 2 * kCell;  // room for the blur to pull in neighbours above and below
    QImage strip(kCell, layout::kReelPicture.height() + period + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        for (int y = -kCell, i = 0; y < strip.height(); y += kCell, ++i) {
            const Symbol s =
                band[static_cast<size_t>((i % kFramesPerSet + kFramesPerSet) % kFramesPerSet)];
            p.drawImage(0, y, ReelSurface::withShadow(symbols.image(s)));
        }
    }
    const QImage smeared = blurredVertically(strip, 15);
    std::vector<QImage> out;
    for (int f = 0; f < frames; ++f) {
        // Moving down: each frame looks one cell further up the band.
        const int top = margin + period - (f % kFramesPerSet) * kCell;
        QImage content = smeared.copy(0, top, kCell, layout::kReelPicture.height());
        QPainter p(&content);
        // Faint streaks sell the speed where the band is light.
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
        for (int x : {18, 47, 81, 106}) {
            p.drawLine(x + f % 2 * 3, 0, x + f % 2 * 3, content.height());
        }
        p.end();
        out.push_back(surface.column(content));
    }
    return out;
}

}  // namespace

std::vector<QImage> spinFrames(const SymbolArt& symbols, const ReelSurface& surface) {
    std::vector<QImage> frames;
    // 1–4 and two spare frames 5–6 of the same band, for reels 1, 3 and 5.
    for (QImage& f :
         blurSet(symbols, surface, {Symbol::S1, Symbol::S7, Symbol::S4, Symbol::S10}, 6)) {
        frames.push_back(std::move(f));
    }
    // 7–10 for reels 2 and 4.
    for (QImage& f :
         blurSet(symbols, surface, {Symbol::S2, Symbol::S8, Symbol::S5, Symbol::W}, 4)) {
        frames.push_back(std::move(f));
    }
    frames.push_back(surface.column());
    for (int reel = 1; reel <= 5; ++reel) {
        frames.push_back(surface.column(ReelSurface::withShadow(idleReel(reel))));
    }
    return frames;
}

}  // namespace kestrel::art
