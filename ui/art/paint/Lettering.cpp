#include "Lettering.h"

#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>

namespace kestrel::art {

QFont letteringFont(qreal pixelSize, bool bold, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setStretch(QFont::Unstretched);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QPainterPath textPath(const QString& text, const QFont& font, qreal shear) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    if (shear != 0) {
        path = QTransform(1, 0, -shear, 1, 0, 0).map(path);
    }
    return path;
}

QPainterPath fittedPath(const QPainterPath& path, const QRectF& box, Qt::Alignment align) {
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) {
        return path;
    }
    const qreal scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
    const QSizeF size = ink.size() * scale;
    qreal x = box.center().x() - size.width() / 2;
    if (align & Qt::AlignLeft) {
        x = box.left();
    } else if (align & Qt::AlignRight) {
        x = box.right() - size.width();
    }
    qreal y = box.center().y() - size.height() / 2;
    if (align & Qt::AlignTop) {
        y = box.top();
    } else if (align & Qt::AlignBottom) {
        y = box.bottom() - size.height();
    }
    QTransform t;
    t.translate(x, y);
    t.scale(scale, scale);
    t.translate(-ink.left(), -ink.top());
    return t.map(path);
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box,
                        Qt::Alignment align, qreal shear) {
    return fittedPath(textPath(text, font, shear), box, align);
}

void paintLettering(QPainter& painter, const QPainterPath& path, const LetterStyle& style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outlinePen(style.outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin);
    if (style.shadow.alpha() > 0) {
        const QPainterPath shadow = path.translated(style.shadowOffset);
        painter.setPen(style.outlineWidth > 0 ? QPen(style.shadow, style.outlineWidth * 2,
                                                     Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                              : Qt::NoPen);
        painter.setBrush(style.shadow);
        painter.drawPath(shadow);
    }
    if (style.outlineWidth > 0 && style.outline.alpha() > 0) {
        painter.setPen(outlinePen);
        painter.setBrush(style.outline);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace kestrel::art
