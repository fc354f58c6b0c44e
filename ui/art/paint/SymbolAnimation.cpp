#include "SymbolAnimation.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <functional>

#include "Geometry.h"
#include "Layout.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"
#include "ReelSurface.h"
#include "SymbolArt.h"

namespace kestrel::art {

namespace {

constexpr int kFrames = 6;
const QPointF kCentre(62.5, 62.5);
const QRectF kCellRect(0, 0, 125, 125);

// One animation frame in the layers a cell is built from. The art is drawn without its shadow,
// which onReel() adds.
struct Frame {
    explicit Frame(qreal scale)
        : backdrop(transparentImage(layout::kCell, scale)),
          art(transparentImage(layout::kCell, scale)),
          overlay(transparentImage(layout::kCell, scale)) {}

    QImage backdrop;  // light on the reel, casts no shadow
    QImage art;       // the symbol, with its shadow
    QImage overlay;   // sparkles above the symbol
};

using MakeFrame = std::function<Frame(int)>;

// Frame f with its art's shadow, ready to lie on the reel in any row.
Frame shadowedFrame(const MakeFrame& make, int f) {
    Frame frame = make(f);
    frame.art = ReelSurface::withShadow(frame.art);
    return frame;
}

QImage onReel(const ReelSurface& surface, int row, const Frame& frame) {
    return surface.cell(static_cast<Row>(row), frame.art, frame.backdrop, frame.overlay);
}

// The six frames for a top cell, then the same six for a middle and for a bottom cell. Each
// frame's layers are laid on the three rows and let go before the next frame's are drawn: at a
// large scale the layers of all six would weigh as much as the eighteen pictures.
std::vector<QImage> forEachRow(const ReelSurface& surface, const MakeFrame& make) {
    std::vector<QImage> out(kRows * kFrames);
    for (int f = 0; f < kFrames; ++f) {
        const Frame frame = shadowedFrame(make, f);
        for (int row = 0; row < kRows; ++row) {
            out[static_cast<size_t>(row * kFrames + f)] = onReel(surface, row, frame);
        }
    }
    return out;
}

// Picture `index` (1..18) of the list forEachRow() makes.
QImage oneOfTheRows(const ReelSurface& surface, const MakeFrame& make, int index) {
    return onReel(surface, (index - 1) / kFrames, shadowedFrame(make, (index - 1) % kFrames));
}

// The frames' layers merged, for every row alike.
std::vector<QImage> layersOf(const MakeFrame& make) {
    std::vector<QImage> out;
    for (int f = 0; f < kFrames; ++f) {
        Frame frame = shadowedFrame(make, f);
        for (const QImage* layer : {&frame.art, &frame.overlay}) {
            blendAt(frame.backdrop, QPoint(0, 0), *layer);
        }
        out.push_back(std::move(frame.backdrop));
    }
    return out;
}

// A soft light behind the symbol, as if it lit up the reel.
void paintGlow(QImage& onto, QColor colour, qreal strength) {
    ArtPainter p(&onto);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(kCentre, 62);
    QColor inner = colour;
    inner.setAlphaF(0.8 * strength);
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(0.72, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(kCentre, 62, 62);
}

MakeFrame scatterDance(const SymbolArt& symbols, qreal scale) {
    // The twirl: the record turns edge-on, comes round mirrored, and turns back.
    constexpr std::array<qreal, kFrames> turn = {1.0, 0.35, -1.0, -1.0, 0.35, 1.0};
    constexpr std::array<qreal, kFrames> pulse = {1.0, 0.97, 0.93, 1.0, 0.97, 0.93};
    constexpr std::array<qreal, kFrames> rock = {0, 0, -6, 6, 0, 6};
    const std::array<QRgb, kFrames> halo = {palette::kPink, palette::kTurquoise, palette::kButter,
                                            palette::kPink, palette::kTurquoise, palette::kButter};
    return [&symbols, scale, turn, pulse, rock, halo](int f) {
        Frame frame(scale);
        paintGlow(frame.backdrop, palette::colour(halo[f]), f % 3 == 2 ? 1.0 : 0.65);
        {
            ArtPainter p(&frame.art);
            p.translate(kCentre);
            p.rotate(rock[f]);
            p.scale(turn[f] * pulse[f], pulse[f]);
            p.translate(-kCentre);
            symbols.paint(p, Symbol::SC, kCellRect);
        }
        ArtPainter p(&frame.overlay);
        // Sparkles hop round the record from frame to frame.
        for (int i = 0; i < 3; ++i) {
            const qreal a = qDegreesToRadians(40.0 + 120.0 * i + 47.0 * f);
            const QPointF at = kCentre + QPointF(qCos(a), qSin(a)) * (47 + 6 * ((f + i) % 2));
            paintSparkle(p, at, 6 + 3 * ((f + i) % 3), palette::colour(palette::kButterLight));
        }
        return frame;
    };
}

MakeFrame wildGlow(const SymbolArt& symbols, qreal scale) {
    // The flower opens and closes while it turns an eighth (its petals repeat every 45°, so the
    // cycle is seamless); the rainbow runs once round the colour wheel; the sign rocks and shines.
    constexpr std::array<qreal, kFrames> bloom = {1.0, 0.95, 0.9, 0.88, 0.9, 0.95};
    constexpr std::array<qreal, kFrames> rock = {0, 5, 8, 5, 0, -5};
    constexpr std::array<qreal, kFrames> shine = {0.35, 0.6, 0.85, 1.0, 0.85, 0.6};
    return [&symbols, scale, bloom, rock, shine](int f) {
        Frame frame(scale);
        paintGlow(frame.backdrop, palette::colour(palette::kButterLight), shine[f]);
        QImage sign = transparentImage(layout::kCell, scale);
        {
            ArtPainter s(&sign);
            s.translate(kCentre);
            s.rotate(rock[f]);
            s.translate(-kCentre);
            symbols.paintWildSign(s, kCellRect);
        }
        sign = hueShifted(sign, 60 * f);
        {
            ArtPainter p(&frame.art);
            p.save();
            p.translate(kCentre);
            p.rotate(7.5 * f);
            p.scale(bloom[f], bloom[f]);
            p.translate(-kCentre);
            symbols.paintWildFlower(p, kCellRect);
            p.restore();
            p.setOpacity(shine[f]);
            p.drawImage(0, 0, silhouette(sign, QColor(255, 252, 220), 5));
            p.setOpacity(1);
            p.drawImage(0, 0, sign);
        }
        if (f >= 2 && f <= 4) {
            ArtPainter p(&frame.overlay);
            paintSparkle(p, QPointF(38 + f * 4, 28), 5 + f, Qt::white);
            paintSparkle(p, QPointF(96 - f * 3, 100), 4 + f, Qt::white);
        }
        return frame;
    };
}

}  // namespace

std::vector<QImage> scatterFrames(const SymbolArt& symbols, const ReelSurface& surface) {
    return forEachRow(surface, scatterDance(symbols, surface.scale()));
}

std::vector<QImage> wildFrames(const SymbolArt& symbols, const ReelSurface& surface) {
    return forEachRow(surface, wildGlow(symbols, surface.scale()));
}

std::vector<QImage> scatterLayers(const SymbolArt& symbols, qreal scale) {
    return layersOf(scatterDance(symbols, scale));
}

std::vector<QImage> wildLayers(const SymbolArt& symbols, qreal scale) {
    return layersOf(wildGlow(symbols, scale));
}

QImage scatterFrame(const SymbolArt& symbols, const ReelSurface& surface, int index) {
    return oneOfTheRows(surface, scatterDance(symbols, surface.scale()), index);
}

QImage wildFrame(const SymbolArt& symbols, const ReelSurface& surface, int index) {
    return oneOfTheRows(surface, wildGlow(symbols, surface.scale()), index);
}

}  // namespace kestrel::art
