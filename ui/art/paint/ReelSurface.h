#pragma once

#include <QImage>
#include <QRect>

#include "Symbols.h"

namespace kestrel::art {

// The face of a reel: a cream band with a faint fifties boomerang pattern, darkening towards the
// top and bottom like a drum seen through the window. Every column picture and every cell is cut
// from this one surface, so a hidden cell shows exactly the background around its symbol: the
// cell of row r covers cellRect(r) of the column.
class ReelSurface {
public:
    explicit ReelSurface(qreal scale);

    qreal scale() const { return scale_; }

    // The empty reel (125 × 375): the picture under settled cells.
    QImage column() const;
    // A column with `content` (125 × 375, transparent where the reel shows) on the surface.
    QImage column(const QImage& content) const;
    // One cell (125 × 125) of the given row: `backdrop` lies on the surface, `art` over it (a
    // symbol with its shadow: withShadow()), `overlay` on top. Null layers are left out. The
    // layers are pictures of a cell at this surface's scale.
    QImage cell(Row row, const QImage& art, const QImage& backdrop = {},
                const QImage& overlay = {}) const;
    // Where in a column, in device pixels, the cell of `row` lies.
    QRect cellRect(Row row) const;
    // The two layers every cell of a row shares: the surface under what lies on it, and the
    // drum's shade over it. cell(row, art) is under(row), then art, then shade(row).
    QImage under(Row row) const;
    QImage shade(Row row) const;

    // The soft drop shadow every symbol casts on the reel.
    static QImage withShadow(const QImage& art);

private:
    qreal scale_;
    QImage base_;   // cream and pattern
    QImage shade_;  // the drum's shading, laid over everything on the reel
};

}  // namespace kestrel::art
