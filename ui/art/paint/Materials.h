#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// The cabinet's materials and ornaments: chrome, dark glass, rivets, starbursts, daisies.
namespace kestrel::art {

// Polished chrome: bright, a dark band past the middle, bright again, from `from` to `to`.
QLinearGradient chromeGradient(QPointF from, QPointF to);

// A chrome ring of the given width inside `outer`, with an ink edge on both sides.
void paintChromeFrame(QPainter& painter, const QRectF& outer, qreal width, qreal radius);

// Dark glass with a soft sheen across its upper part.
void paintGlass(QPainter& painter, const QRectF& rect, qreal radius);

// A lit marquee lamp and a chrome rivet: both a glossy bead with an ink rim.
void paintLamp(QPainter& painter, QPointF centre, qreal radius);
void paintRivet(QPainter& painter, QPointF centre, qreal radius);

// The fifties "atomic" star: a turquoise eight-pointed burst with a butter star at its heart.
void paintAtomicStar(QPainter& painter, QPointF centre, qreal outer, qreal inner);

QPainterPath starburst(QPointF centre, qreal outer, qreal inner, int points, qreal turn = 0);

// A daisy with `petals` petals, drawn in the symbols' outlined style.
void paintDaisy(QPainter& painter, QPointF centre, qreal radius, QColor petal, QColor heart,
                int petals = 8, qreal turn = 0);

// A four-pointed twinkle.
void paintSparkle(QPainter& painter, QPointF centre, qreal size, QColor colour);

}  // namespace kestrel::art
