#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>

// Pixel operations the vector art cannot express: soft shadows, glows, motion blur, greying.
// All take and return ARGB32 premultiplied images.
//
// Every picture is drawn for the machine at some scale: its pixels are its logical size (the
// size on the 800 × 600 machine) times the scale, rounded as ScaledSize.h says, and its device
// pixel ratio is the scale. An ArtPainter on it therefore works in logical coordinates, pictures
// drawn into it keep their logical size, and the operations here read the ratio to keep their
// look: a blur of radius 2 is a blur of two logical pixels, however many device pixels that is.
namespace kestrel::art {

QImage premultiplied(const QImage& image);

// A painter on a picture drawn at a scale, working in its logical coordinates. QPainter applies
// a device pixel ratio of 1 and more by itself but takes one below 1 as 1; this one applies that
// too, so the pictures of a small screen are drawn as those of a large one. Keep its transform
// with save() and restore(), not resetTransform(), which would drop that scale.
class ArtPainter : public QPainter {
public:
    explicit ArtPainter(QImage* image);
};

// A transparent picture of `size` logical pixels at `scale`, to paint on.
QImage transparentImage(QSize size, qreal scale);
// A transparent picture of `pixels` device pixels at `scale`.
QImage transparentPixels(QSize pixels, qreal scale);
// A transparent picture of the same pixels and ratio as `image`.
QImage transparentLike(const QImage& image);
// A picture's rectangle in logical pixels: all of its pixels, however its size was rounded.
QRectF logicalRect(const QImage& image);
// The same inset by half a logical pixel, so that one-pixel outlines fall on whole pixels at
// 800 × 600 and on the picture's edge at every scale.
QRectF edgeRect(const QImage& image);

// `image` blended onto `onto` with its top left corner at device pixel `at`, pixel for pixel:
// the way to place a finished picture where the window will place it, without resampling.
// `source` (device pixels of `image`) limits what is taken; empty for all of it.
void blendAt(QImage& onto, QPoint at, const QImage& image, const QRect& source = {});

// The smallest rectangle (device pixels) holding every pixel that is not fully transparent;
// empty for a transparent picture.
QRect coveredRect(const QImage& image);

// Box blur applied three times (close to a Gaussian) of `radius` logical pixels. Vertical-only
// for motion blur.
QImage blurred(const QImage& image, int radius);
QImage blurredVertically(const QImage& image, int radius);

// The image's silhouette in one colour, blurred and moved: a soft shadow or, unmoved, a glow.
// Radius and offset are logical.
QImage silhouette(const QImage& image, const QColor& colour, int blurRadius, QPointF offset = {});

// Colours turned round the colour wheel; greys, black and white stay as they are.
QImage hueShifted(const QImage& image, int degrees);

// Desaturated towards grey and faded towards a light tone: the look of a disabled control.
QImage greyed(const QImage& image, const QColor& towards, qreal fade);

}  // namespace kestrel::art
