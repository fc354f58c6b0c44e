#include "Materials.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "Palette.h"

namespace kestrel::art {

QLinearGradient chromeGradient(QPointF from, QPointF to) {
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(0xF4, 0xF7, 0xF9));
    g.setColorAt(0.42, QColor(0xC3, 0xCC, 0xD4));
    g.setColorAt(0.52, QColor(0x6E, 0x7A, 0x85));
    g.setColorAt(0.62, QColor(0xA9, 0xB4, 0xBE));
    g.setColorAt(1.0, QColor(0xEE, 0xF2, 0xF5));
    return g;
}

void paintChromeFrame(QPainter& painter, const QRectF& outer, qreal width, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    ring.addRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    QPainterPath hole;
    hole.addRoundedRect(inner, qMax(0.0, radius - width), qMax(0.0, radius - width));
    ring = ring.subtracted(hole);
    painter.setPen(QPen(palette::colour(palette::kInk), 1.2));
    painter.setBrush(chromeGradient(outer.topLeft(), outer.bottomLeft()));
    painter.drawPath(ring);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    painter.restore();
}

void paintGlass(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, QColor(0x2A, 0x1E, 0x2C));
    body.setColorAt(1, palette::colour(palette::kGlass));
    painter.setPen(QPen(palette::colour(palette::kInk), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(rect, radius, radius);
    // The sheen: a soft band along the top edge, never deeper than a meter's caption.
    const qreal depth = qMin(rect.height() * 0.4, 12.0);
    QLinearGradient sheen(rect.topLeft(), rect.topLeft() + QPointF(0, depth));
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    painter.restore();
}

namespace {

void paintBead(QPainter& painter, QPointF centre, qreal radius, const QColor& mid,
               const QColor& edge) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.5, mid);
    g.setColorAt(1, edge);
    painter.setPen(QPen(palette::colour(palette::kInk), 0.8));
    painter.setBrush(g);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

}  // namespace

void paintLamp(QPainter& painter, QPointF centre, qreal radius) {
    paintBead(painter, centre, radius, palette::colour(palette::kButterLight),
              palette::colour(palette::kOrange));
}

void paintRivet(QPainter& painter, QPointF centre, qreal radius) {
    paintBead(painter, centre, radius, QColor(0xB9, 0xC3, 0xCB), QColor(0x5E, 0x6A, 0x75));
}

void paintAtomicStar(QPainter& painter, QPointF centre, qreal outer, qreal inner) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette::colour(palette::kInk), qMax(1.2, outer / 22), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    QRadialGradient teal(centre, outer);
    teal.setColorAt(0, palette::colour(palette::kTurquoiseLight));
    teal.setColorAt(1, palette::colour(palette::kTurquoiseDark));
    painter.setBrush(teal);
    painter.drawPath(starburst(centre, outer, inner, 8));
    painter.setBrush(palette::colour(palette::kButter));
    painter.drawPath(starburst(centre, outer * 0.43, outer * 0.18, 4, M_PI / 4));
    painter.setBrush(palette::colour(palette::kCream));
    painter.drawEllipse(centre, outer * 0.11, outer * 0.11);
    painter.restore();
}

QPainterPath starburst(QPointF centre, qreal outer, qreal inner, int points, qreal turn) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = turn + M_PI * i / points - M_PI / 2;
        const QPointF p = centre + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

void paintDaisy(QPainter& painter, QPointF centre, qreal radius, QColor petal, QColor heart,
                int petals, qreal turn) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.rotate(qRadiansToDegrees(turn));
    const qreal ink = qMax(0.8, radius * 0.1);
    painter.setPen(QPen(palette::colour(palette::kInk), ink));
    painter.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        painter.drawEllipse(QPointF(0, -radius * 0.52), radius * 0.26, radius * 0.48);
        painter.rotate(360.0 / petals);
    }
    painter.setBrush(heart);
    painter.drawEllipse(QPointF(0, 0), radius * 0.33, radius * 0.33);
    painter.restore();
}

void paintSparkle(QPainter& painter, QPointF centre, qreal size, QColor colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    const qreal s = size;
    const qreal w = size * 0.22;
    star.moveTo(centre + QPointF(0, -s));
    star.quadTo(centre + QPointF(w, -w), centre + QPointF(s, 0));
    star.quadTo(centre + QPointF(w, w), centre + QPointF(0, s));
    star.quadTo(centre + QPointF(-w, w), centre + QPointF(-s, 0));
    star.quadTo(centre + QPointF(-w, -w), centre + QPointF(0, -s));
    QRadialGradient glow(centre, s * 1.2);
    glow.setColorAt(0, QColor(255, 255, 255, 200));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, s * 1.1, s * 1.1);
    painter.setBrush(colour);
    painter.drawPath(star);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, s * 0.14, s * 0.14);
    painter.restore();
}

}  // namespace kestrel::art
