#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// The device pixels a piece of the 800 × 600 machine covers when the machine is shown at a
// scale s. Every length and coordinate is rounded on its own to the nearest whole pixel, halves
// away from zero (qRound): a picture of logical size w × h is round(w·s) × round(h·s) pixels, and
// a widget at (x, y) stands at (round(x·s), round(y·s)) with that same size. The renderer and
// the window both use these, so a picture always has the size of the widget that shows it.
//
// Rounding each number alone keeps sizes equal wherever the logical sizes are equal (every cell
// is the same size as every other), at the price that two neighbours touching at 800 × 600 may
// overlap or part by one pixel at scales where their edge falls on a half pixel.
namespace kestrel {

constexpr int scaledLength(int logical, qreal scale) {
    return qRound(logical * scale);
}

constexpr QSize scaledSize(QSize size, qreal scale) {
    return QSize(scaledLength(size.width(), scale), scaledLength(size.height(), scale));
}

constexpr QPoint scaledPoint(QPoint point, qreal scale) {
    return QPoint(scaledLength(point.x(), scale), scaledLength(point.y(), scale));
}

constexpr QRect scaledRect(QRect rect, qreal scale) {
    return QRect(scaledPoint(rect.topLeft(), scale), scaledSize(rect.size(), scale));
}

}  // namespace kestrel
