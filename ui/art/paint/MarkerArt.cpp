#include "MarkerArt.h"

#include <QLinearGradient>
#include <QPainter>

#include "Geometry.h"
#include "Layout.h"
#include "Lettering.h"
#include "LineColours.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"

namespace kestrel::art {

namespace {

// Light lamp colours carry dark numbers; dark ones carry cream numbers.
bool isLight(const QColor& c) {
    return 0.3 * c.red() + 0.55 * c.green() + 0.15 * c.blue() > 140;
}

}  // namespace

QImage markerPicture(int line, bool lit, qreal scale) {
    QImage image = transparentImage(layout::kMarker, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = edgeRect(image);
    const qreal radius = outer.height() / 2;
    paintChromeFrame(p, outer, 2.5, radius);
    const QRectF lamp = outer.adjusted(2.5, 2.5, -2.5, -2.5);
    const QColor colour = QColor::fromRgba(kLineColour[line]);
    QLinearGradient body(lamp.topLeft(), lamp.bottomLeft());
    if (lit) {
        body.setColorAt(0, colour.lighter(150));
        body.setColorAt(0.5, colour);
        body.setColorAt(1, colour.darker(135));
    } else {
        const QColor dull =
            QColor::fromHsv(colour.hsvHue(), colour.hsvSaturation() / 3, 60 + colour.value() / 5);
        body.setColorAt(0, dull.lighter(115));
        body.setColorAt(1, dull.darker(130));
    }
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(body);
    p.drawRoundedRect(lamp, lamp.height() / 2, lamp.height() / 2);
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRoundedRect(QRectF(lamp.left() + 5, lamp.top() + 1.5, lamp.width() - 10, 5), 2.5,
                          2.5);
    }
    const QPainterPath number =
        fittedText(QString::number(line), letteringFont(15), lamp.adjusted(4, 3, -4, -3));
    if (lit) {
        const bool light = isLight(colour);
        paintLettering(p, number,
                       {light ? palette::colour(palette::kInk) : palette::colour(palette::kCream),
                        light ? QColor(255, 255, 255, 170) : palette::colour(palette::kInk), 1.2});
    } else {
        paintLettering(p, number, {QColor(200, 196, 190, 150)});
    }
    return image;
}

}  // namespace kestrel::art
