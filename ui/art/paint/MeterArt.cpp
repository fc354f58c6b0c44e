#include "MeterArt.h"

#include <QPainter>

#include "Layout.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"
#include "ScaledSize.h"

namespace kestrel::art {

void paintMeter(QPainter& p, const QRect& frame) {
    const QRectF outer = QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5);
    paintChromeFrame(p, outer, 2.5, 6);
    paintGlass(p, outer.adjusted(2.5, 2.5, -2.5, -2.5), 4);
}

void paintMeterCaption(QPainter& p, const QRect& strip, const QString& text) {
    const QPainterPath caption =
        fittedText(text, letteringFont(10), QRectF(strip).adjusted(2, 1.5, -2, -1.5));
    paintLettering(p, caption, {palette::colour(palette::kTurquoiseLight)});
}

QImage betMeterCaption(const QImage& cabinet, const QString& text) {
    const QRect strip = layout::meterCaption(layout::kBetMeter);
    const qreal scale = cabinet.devicePixelRatio();
    const QRect pixels = scaledRect(strip, scale);
    QImage image = cabinet.copy(pixels);
    ArtPainter p(&image);
    // The caption lands on the same device pixels as it would on the whole cabinet.
    p.translate(-QPointF(pixels.topLeft()) / scale);
    paintMeterCaption(p, strip, text);
    return image;
}

}  // namespace kestrel::art
