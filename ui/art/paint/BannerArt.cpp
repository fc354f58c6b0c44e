#include "BannerArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "ArtCatalogue.h"
#include "Layout.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"

namespace kestrel::art {

namespace {

// A marquee sign: chrome frame with lamps, a coloured field; returns the field.
QRectF paintMarquee(QPainter& p, const QRectF& outer, QRgb field) {
    const qreal radius = outer.height() / 2.6;
    paintChromeFrame(p, outer, 7, radius);
    const QRectF inner = outer.adjusted(7, 7, -7, -7);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, palette::colour(field).lighter(130));
    g.setColorAt(0.55, palette::colour(field));
    g.setColorAt(1, palette::colour(field).darker(135));
    p.setPen(QPen(palette::colour(palette::kInk), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(inner, radius - 7, radius - 7);
    // Lamps along the top and bottom rails of the frame.
    const qreal r = 2.4;
    for (qreal x = outer.left() + radius; x <= outer.right() - radius + 0.5; x += 14) {
        paintLamp(p, QPointF(x, outer.top() + 3.5), r);
        paintLamp(p, QPointF(x, outer.bottom() - 3.5), r);
    }
    return inner;
}

void paintSignText(QPainter& p, const QString& text, const QRectF& box, qreal size) {
    const QPainterPath path = fittedText(text, letteringFont(size), box, Qt::AlignCenter, 0.12);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, palette::colour(palette::kButterLight));
    paintLettering(p, path,
                   {fill, palette::colour(palette::kInk), 2.4, QPointF(2, 2.5),
                    palette::colour(palette::kInk, 170)});
}

// A banner sign filling its picture, or only the picture's left `width` logical pixels.
QImage banner(QSize size, QRgb field, const QString& text, qreal scale, int width = 0) {
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF sign = edgeRect(image);
    if (width > 0) {
        sign.setWidth(width - 1);
    }
    const QRectF inner = paintMarquee(p, sign, field);
    const qreal star = inner.height() * 0.42;
    for (qreal x : {inner.left() + star + 6, inner.right() - star - 6}) {
        p.setPen(QPen(palette::colour(palette::kInk), 1.2));
        p.setBrush(palette::colour(palette::kButter));
        p.drawPath(starburst(QPointF(x, inner.center().y()), star, star * 0.4, 8));
    }
    paintSignText(p, text, inner.adjusted(2 * star + 16, 3, -2 * star - 16, -3), 34);
    return image;
}

void paintCoinFace(QPainter& p, QPointF c, qreal r) {
    QRadialGradient silver(c - QPointF(r * 0.4, r * 0.5), r * 1.6);
    silver.setColorAt(0, Qt::white);
    silver.setColorAt(0.45, QColor(0xD6, 0xDC, 0xE2));
    silver.setColorAt(1, QColor(0x7D, 0x88, 0x93));
    p.setPen(QPen(palette::colour(palette::kInk), 1.4));
    p.setBrush(silver);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(0x6E, 0x7A, 0x85), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 3.5, r - 3.5);
    for (int i = 0; i < 13; ++i) {
        const qreal a = 2 * M_PI * i / 13 - M_PI / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8A, 0x95, 0xA0));
        p.drawPath(starburst(c + QPointF(qCos(a), qSin(a)) * (r - 6.5), 1.6, 0.6, 5));
    }
    const QPainterPath dollar =
        fittedText(QStringLiteral("$"), letteringFont(r * 1.2),
                   QRectF(c - QPointF(r * 0.4, r * 0.52), QSizeF(r * 0.8, r * 1.04)));
    paintLettering(p, dollar, {QColor(0x9A, 0xA4, 0xAE), QColor(0x55, 0x60, 0x6A), 0.8});
}

}  // namespace

QImage freeSpinsWonBanner(qreal scale) {
    return banner(entry(Picture::ctlfrees1).size, palette::kCherry,
                  QStringLiteral("FREE SPINS WON"), scale);
}

QImage freeSpinsCompletedBanner(qreal scale) {
    // Its place reaches over the free-spin counter's window; the sign ends where the "free
    // spins left" frame in the same strip ends, short of it.
    return banner(entry(Picture::freespinscompleted1).size, palette::kTurquoiseDark,
                  QStringLiteral("FREE SPINS COMPLETED"), scale,
                  layout::kFreeSpinsLeft.right() + 1 - layout::kFreeSpinsCompleted.left());
}

QImage freeSpinsLeftFrame(qreal scale) {
    const QSize size = entry(Picture::ctrlfreesleft1).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = paintMarquee(p, edgeRect(image), palette::kTurquoiseDark);
    // The words, then chevrons that lead the eye to the count just right of the frame.
    const qreal chevrons = 96;
    paintSignText(p, QStringLiteral("FREE SPINS LEFT"), inner.adjusted(18, 10, -chevrons - 12, -10),
                  40);
    for (int i = 0; i < 3; ++i) {
        const qreal x = inner.right() - chevrons + i * 28;
        const qreal cy = inner.center().y();
        QPainterPath chevron;
        chevron.moveTo(x, cy - 16);
        chevron.lineTo(x + 12, cy - 16);
        chevron.lineTo(x + 26, cy);
        chevron.lineTo(x + 12, cy + 16);
        chevron.lineTo(x, cy + 16);
        chevron.lineTo(x + 14, cy);
        chevron.closeSubpath();
        p.setPen(
            QPen(palette::colour(palette::kInk), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(
            palette::colour(i == 2 ? palette::kButter : palette::kButterLight, 150 + 50 * i));
        p.drawPath(chevron);
    }
    return image;
}

QImage gambleSlide(bool won, qreal scale) {
    const QSize size = entry(won ? Picture::gamblewin : Picture::gamblelose).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = edgeRect(image);
    paintChromeFrame(p, outer, 2.5, 8);
    const QRectF inner = outer.adjusted(2.5, 2.5, -2.5, -2.5);
    const QColor field = palette::colour(won ? palette::kTurquoiseDark : palette::kCherryDark);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, field.lighter(135));
    g.setColorAt(1, field.darker(120));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(g);
    p.drawRoundedRect(inner, 6, 6);
    for (qreal x : {inner.left() + 12, inner.right() - 12}) {
        p.setBrush(palette::colour(palette::kButter));
        p.drawPath(starburst(QPointF(x, inner.center().y()), 7, 3, won ? 8 : 4));
    }
    paintSignText(p, won ? QStringLiteral("YOU WIN!") : QStringLiteral("YOU LOSE"),
                  inner.adjusted(24, 3, -24, -3), 20);
    return image;
}

QImage coinAbove(qreal scale) {
    QImage image = transparentImage(entry(Picture::dollar1).size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintCoinFace(p, QPointF(20.5, 19.5), 18.5);
    return image;
}

QImage coinHalfIn(qreal scale) {
    // The slot's opening lies across this picture at y = 19 (the slot is drawn by the
    // background); only the part of the coin above it shows.
    const QSize size = entry(Picture::halfcoin1).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRectF(0, 0, size.width(), 19));
    paintCoinFace(p, QPointF(size.width() / 2.0, 19), 18.5);
    return image;
}

}  // namespace kestrel::art
