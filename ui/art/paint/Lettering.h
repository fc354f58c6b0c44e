#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Lettering set as outlines in DejaVu Sans or Serif (installed with the build), so captions can
// be filled with gradients, outlined and shadowed like the drawn art.
namespace kestrel::art {

QFont letteringFont(qreal pixelSize, bool bold = true, bool serif = false);

// The text's outline with its baseline at y = 0, optionally slanted (shear > 0 leans right).
QPainterPath textPath(const QString& text, const QFont& font, qreal shear = 0);

// The outline scaled down when needed to fit `box`, then aligned in it by its ink bounds.
QPainterPath fittedPath(const QPainterPath& path, const QRectF& box,
                        Qt::Alignment align = Qt::AlignCenter);
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box,
                        Qt::Alignment align = Qt::AlignCenter, qreal shear = 0);

struct LetterStyle {
    LetterStyle(const QBrush& fill, const QColor& outline = Qt::transparent, qreal outlineWidth = 0,
                QPointF shadowOffset = {}, const QColor& shadow = Qt::transparent)
        : fill(fill),
          outline(outline),
          outlineWidth(outlineWidth),
          shadowOffset(shadowOffset),
          shadow(shadow) {}

    QBrush fill;
    QColor outline;
    qreal outlineWidth;
    QPointF shadowOffset;
    QColor shadow;
};

// Shadow, outline (drawn under the fill so it only shows outside the letters), then the fill.
void paintLettering(QPainter& painter, const QPainterPath& path, const LetterStyle& style);

}  // namespace kestrel::art
