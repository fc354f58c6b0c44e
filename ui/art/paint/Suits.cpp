#include "Suits.h"

#include <QTransform>

namespace kestrel::art {

namespace {

// Each suit is drawn in a box of 100 × 100 and scaled into place; the boolean operations flatten
// curves against this size, so it must be large.
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(50, 98);
    p.cubicTo(36, 80, 0, 58, 0, 30);
    p.cubicTo(0, 10, 14, 0, 28, 0);
    p.cubicTo(40, 0, 47, 8, 50, 18);
    p.cubicTo(53, 8, 60, 0, 72, 0);
    p.cubicTo(86, 0, 100, 10, 100, 30);
    p.cubicTo(100, 58, 64, 80, 50, 98);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.quadTo(68, 28, 86, 50);
    p.quadTo(68, 72, 50, 100);
    p.quadTo(32, 72, 14, 50);
    p.quadTo(32, 28, 50, 0);
    p.closeSubpath();
    return p;
}

QPainterPath stem() {
    QPainterPath p;
    p.moveTo(46, 60);
    p.quadTo(45, 86, 30, 100);
    p.lineTo(70, 100);
    p.quadTo(55, 86, 54, 60);
    p.closeSubpath();
    return p;
}

QPainterPath club() {
    QPainterPath p = stem();
    for (const QPointF& leaf : {QPointF(50, 25), QPointF(24, 58), QPointF(76, 58)}) {
        QPainterPath circle;
        circle.addEllipse(leaf, 23, 23);
        p = p.united(circle);
    }
    QPainterPath heart;
    heart.addRect(QRectF(40, 30, 20, 35));
    return p.united(heart).simplified();
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(50, 0);
    p.cubicTo(62, 20, 100, 36, 100, 60);
    p.cubicTo(100, 78, 86, 86, 74, 86);
    p.cubicTo(62, 86, 54, 78, 52, 72);
    p.lineTo(48, 72);
    p.cubicTo(46, 78, 38, 86, 26, 86);
    p.cubicTo(14, 86, 0, 78, 0, 60);
    p.cubicTo(0, 36, 38, 20, 50, 0);
    p.closeSubpath();
    return p.united(stem()).simplified();
}

}  // namespace

bool isRedSuit(int card) {
    return card == 1 || card == 3;
}

QPainterPath suitPath(int card, const QRectF& box) {
    QPainterPath unit;
    switch (card) {
        case 1:
            unit = heart();
            break;
        case 2:
            unit = club();
            break;
        case 3:
            unit = diamond();
            break;
        default:
            unit = spade();
            break;
    }
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100, box.height() / 100);
    return t.map(unit);
}

}  // namespace kestrel::art
