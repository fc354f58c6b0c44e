#include "ReelSurface.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QtMath>

#include "Geometry.h"
#include "Layout.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"
#include "ScaledSize.h"

namespace kestrel::art {

namespace {

// A boomerang: two curved arms meeting at a rounded elbow.
QPainterPath boomerang(qreal size) {
    QPainterPath p;
    p.moveTo(-size, size * 0.35);
    p.quadTo(-size * 0.1, -size * 0.55, size, -size * 0.05);
    p.quadTo(size * 0.1, -size * 0.2, -size * 0.75, size * 0.6);
    p.closeSubpath();
    return p;
}

void paintPattern(QPainter& p, QSize size) {
    // A fixed seed: the surface is the same on every build.
    QRandomGenerator random(1955);
    const QColor tints[] = {palette::colour(palette::kTurquoise, 34),
                            palette::colour(palette::kPink, 40),
                            palette::colour(palette::kButter, 52)};
    p.setPen(Qt::NoPen);
    // Place motifs on a jittered grid so they spread evenly and never clump.
    const int step = 42;
    int n = 0;
    for (int gy = -step / 2; gy < size.height() + step; gy += step) {
        for (int gx = -step / 2; gx < size.width() + step; gx += step) {
            const QPointF at(gx + random.bounded(step), gy + random.bounded(step));
            const qreal turn = random.bounded(360);
            p.save();
            p.translate(at);
            p.rotate(turn);
            p.setBrush(tints[n % 3]);
            if (n % 4 == 3) {
                p.drawPath(starburst({0, 0}, 6, 2, 4));
            } else {
                p.drawPath(boomerang(9));
            }
            p.restore();
            ++n;
        }
    }
}

// The surface's height in device pixels: the column's, or a pixel more where the bottom cell,
// rounded on its own, reaches past the rounded column.
QSize surfaceSize(qreal scale) {
    const int bottom = scaledLength(layout::kCell.height() * (kRows - 1), scale) +
                       scaledLength(layout::kCell.height(), scale);
    const QSize column = scaledSize(layout::kReelPicture, scale);
    return QSize(column.width(), qMax(column.height(), bottom));
}

}  // namespace

ReelSurface::ReelSurface(qreal scale)
    : scale_(scale),
      base_(transparentPixels(surfaceSize(scale), scale)),
      shade_(transparentPixels(surfaceSize(scale), scale)) {
    const QSize size = layout::kReelPicture;
    {
        base_.fill(palette::colour(palette::kCream));
        ArtPainter p(&base_);
        p.setRenderHint(QPainter::Antialiasing);
        paintPattern(p, size);
    }
    {
        ArtPainter p(&shade_);
        QLinearGradient drum(0, 0, 0, size.height());
        drum.setColorAt(0.0, QColor(60, 20, 30, 100));
        drum.setColorAt(0.16, QColor(60, 20, 30, 22));
        drum.setColorAt(0.3, QColor(60, 20, 30, 0));
        drum.setColorAt(0.7, QColor(60, 20, 30, 0));
        drum.setColorAt(0.84, QColor(60, 20, 30, 22));
        drum.setColorAt(1.0, QColor(60, 20, 30, 100));
        p.fillRect(logicalRect(shade_), drum);
        QLinearGradient rim(0, 0, size.width(), 0);
        rim.setColorAt(0.0, QColor(60, 20, 30, 50));
        rim.setColorAt(0.04, QColor(60, 20, 30, 0));
        rim.setColorAt(0.96, QColor(60, 20, 30, 0));
        rim.setColorAt(1.0, QColor(60, 20, 30, 50));
        p.fillRect(logicalRect(shade_), rim);
    }
}

QImage ReelSurface::column() const {
    return column(QImage());
}

QImage ReelSurface::column(const QImage& content) const {
    QImage out = base_.copy(QRect(QPoint(0, 0), scaledSize(layout::kReelPicture, scale_)));
    ArtPainter p(&out);
    if (!content.isNull()) {
        p.drawImage(0, 0, content);
    }
    p.drawImage(0, 0, shade_);
    return out;
}

QRect ReelSurface::cellRect(Row row) const {
    const int top = layout::kCell.height() * static_cast<int>(row);
    return scaledRect(QRect(QPoint(0, top), layout::kCell), scale_);
}

QImage ReelSurface::under(Row row) const {
    return base_.copy(cellRect(row));
}

QImage ReelSurface::shade(Row row) const {
    return shade_.copy(cellRect(row));
}

QImage ReelSurface::cell(Row row, const QImage& art, const QImage& backdrop,
                         const QImage& overlay) const {
    const QRect slice = cellRect(row);
    QImage out = base_.copy(slice);
    {
        ArtPainter p(&out);
        for (const QImage& layer : {backdrop, art, overlay}) {
            if (!layer.isNull()) {
                p.drawImage(0, 0, layer);
            }
        }
    }
    blendAt(out, QPoint(0, 0), shade_, slice);
    return out;
}

QImage ReelSurface::withShadow(const QImage& art) {
    QImage out = silhouette(art, QColor(43, 26, 34, 110), 2, QPointF(2.5, 3.5));
    ArtPainter p(&out);
    p.drawImage(0, 0, art);
    return out;
}

}  // namespace kestrel::art
