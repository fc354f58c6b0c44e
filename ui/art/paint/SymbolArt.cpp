#include "SymbolArt.h"

#include <QPainter>
#include <algorithm>

#include "Layout.h"
#include "Raster.h"

namespace kestrel::art {

SymbolArt::SymbolArt()
    : drawings_{SvgArt(QStringLiteral("symbols/s1-girl")),
                SvgArt(QStringLiteral("symbols/s2-jukebox")),
                SvgArt(QStringLiteral("symbols/s3-badge")),
                SvgArt(QStringLiteral("symbols/s4-van")),
                SvgArt(QStringLiteral("symbols/s5-guitar")),
                SvgArt(QStringLiteral("symbols/s6-waitress")),
                SvgArt(QStringLiteral("symbols/s7-k")),
                SvgArt(QStringLiteral("symbols/s8-q")),
                SvgArt(QStringLiteral("symbols/s9-j")),
                SvgArt(QStringLiteral("symbols/s10-nine")),
                SvgArt(QStringLiteral("symbols/sc-couple")),
                SvgArt(QStringLiteral("symbols/w-sign"))},
      wildFlower_(QStringLiteral("symbols/w-flower")) {}

void SymbolArt::paint(QPainter& painter, Symbol symbol, const QRectF& bounds) const {
    if (symbol == Symbol::W) {
        paintWildFlower(painter, bounds);
    }
    drawings_[group(symbol) - 1].paint(painter, bounds);
}

QImage SymbolArt::image(Symbol symbol, qreal scale) const {
    QImage image = transparentImage(layout::kCell, scale);
    ArtPainter painter(&image);
    paint(painter, symbol, QRectF(QPointF(0, 0), layout::kCell));
    return image;
}

bool SymbolArt::isValid() const {
    return wildFlower_.isValid() &&
           std::all_of(drawings_.begin(), drawings_.end(),
                       [](const SvgArt& drawing) { return drawing.isValid(); });
}

void SymbolArt::paintWildFlower(QPainter& painter, const QRectF& bounds) const {
    wildFlower_.paint(painter, bounds);
}

void SymbolArt::paintWildSign(QPainter& painter, const QRectF& bounds) const {
    drawings_[group(Symbol::W) - 1].paint(painter, bounds);
}

}  // namespace kestrel::art
