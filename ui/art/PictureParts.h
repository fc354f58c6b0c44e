#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <utility>
#include <vector>

class QPainter;

namespace kestrel {

// A large picture kept without the rectangles of it that show one colour only: the rest of its
// pixels in pieces, each at its place, and those rectangles as their colour. Painted, it is the
// picture it was cut from, pixel for pixel.
template <typename Pixels>
struct Parts {
    QSize size;
    qreal ratio = 1.0;  // the screen pixels per painted unit
    std::vector<std::pair<QPoint, Pixels>> pieces;
    std::vector<std::pair<QRect, QColor>> plain;

    bool isEmpty() const { return pieces.empty() && plain.empty(); }
};
using ImageParts = Parts<QImage>;
using PixmapParts = Parts<QPixmap>;

// Cuts the image around those of `areas` that show one colour throughout. The areas lie side by
// side in one band of rows (the same top and height, apart from each other); otherwise, or when
// none of them is one colour, the one piece is the whole image.
ImageParts cutAround(const QImage& image, std::vector<QRect> areas);
// The same parts, their pieces made pixmaps (in the window's thread) for a screen of this pixel
// ratio: painted, each of their pixels covers one of the screen's.
PixmapParts toPixmaps(ImageParts parts, qreal ratio = 1.0);
// An image drawn for a screen of this pixel ratio, made a pixmap that says so: shown, each of its
// pixels covers one of the screen's.
QPixmap pixmapForScreen(QImage image, qreal ratio);
// Paints the parts with their top left corner at the painter's origin; `exposed` is where
// painting is needed, in the painter's coordinates.
void paintParts(QPainter& painter, const PixmapParts& parts, const QRect& exposed);

}  // namespace kestrel
