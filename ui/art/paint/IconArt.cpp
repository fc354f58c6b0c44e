#include "IconArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ArtCatalogue.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"
#include "SymbolArt.h"

namespace kestrel::art {

QImage appIcon(const SymbolArt& symbols, qreal scale) {
    const QSize size = entry(Picture::AppIcon).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile = QRectF(QPoint(0, 0), size).adjusted(6.5, 6.5, -6.5, -6.5);
    paintChromeFrame(p, tile, 10, 48);
    const QRectF field = tile.adjusted(10, 10, -10, -10);
    QRadialGradient red(field.center() - QPointF(30, 40), field.width() * 0.8);
    red.setColorAt(0, palette::colour(palette::kCherryLight));
    red.setColorAt(1, palette::colour(palette::kCherryDark));
    p.setPen(QPen(palette::colour(palette::kInk), 2));
    p.setBrush(red);
    p.drawRoundedRect(field, 38, 38);
    p.setBrush(palette::colour(palette::kTurquoise));
    p.drawPath(starburst(field.center(), 100, 70, 16));
    QImage jukebox = transparentLike(image);
    {
        ArtPainter j(&jukebox);
        symbols.paint(j, Symbol::S2, QRectF(28, 24, 200, 200));
    }
    p.drawImage(0, 0, silhouette(jukebox, QColor(43, 26, 34, 140), 4, QPointF(5, 7)));
    p.drawImage(0, 0, jukebox);
    return image;
}

}  // namespace kestrel::art
