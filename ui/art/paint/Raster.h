#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

// Pixel operations the vector art cannot express: soft shadows, glows, motion blur, greying.
// All take and return ARGB32 premultiplied images.
namespace kestrel::art {

QImage premultiplied(const QImage& image);

// A transparent picture to paint on.
QImage transparentImage(QSize size);
// A picture's rectangle inset by half a pixel, so one-pixel outlines fall on whole pixels.
QRectF edgeRect(const QImage& image);

// Box blur applied three times (close to a Gaussian). Vertical-only for motion blur.
QImage blurred(const QImage& image, int radius);
QImage blurredVertically(const QImage& image, int radius);

// The image's silhouette in one colour, blurred and moved: a soft shadow or, unmoved, a glow.
QImage silhouette(const QImage& image, const QColor& colour, int blurRadius, QPointF offset = {});

// Colours turned round the colour wheel; greys, black and white stay as they are.
QImage hueShifted(const QImage& image, int degrees);

// Desaturated towards grey and faded towards a light tone: the look of a disabled control.
QImage greyed(const QImage& image, const QColor& towards, qreal fade);

}  // namespace kestrel::art
