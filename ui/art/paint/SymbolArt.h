#pragma once

#include <QImage>
#include <QRectF>
#include <array>

#include "SvgArt.h"
#include "Symbols.h"

class QPainter;

namespace kestrel::art {

// The twelve symbol drawings (assets/art/symbols), by symbol.
class SymbolArt {
public:
    SymbolArt();

    // False when a source is missing or unreadable.
    bool isValid() const;

    void paint(QPainter& painter, Symbol symbol, const QRectF& bounds) const;
    // The drawing alone on a transparent 125 × 125 cell at `scale`.
    QImage image(Symbol symbol, qreal scale) const;

    // The wild's two layers, for its animation: the flower, and the peace sign standing on it.
    void paintWildFlower(QPainter& painter, const QRectF& bounds) const;
    void paintWildSign(QPainter& painter, const QRectF& bounds) const;

private:
    std::array<SvgArt, kSymbolCount> drawings_;  // the wild's entry is its sign
    SvgArt wildFlower_;
};

}  // namespace kestrel::art
