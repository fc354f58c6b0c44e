#include "IdleReels.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "Layout.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"

namespace kestrel::art {

namespace {

void paintMarquee(QPainter& p, QPointF centre, QChar letter, QRgb face) {
    const qreal r = 54;
    QRadialGradient faceGradient(centre - QPointF(12, 14), r * 1.3);
    faceGradient.setColorAt(0, palette::colour(face).lighter(135));
    faceGradient.setColorAt(1, palette::colour(face).darker(125));
    p.setPen(QPen(palette::colour(palette::kInk), 2));
    p.setBrush(chromeGradient(centre - QPointF(0, r), centre + QPointF(0, r)));
    p.drawEllipse(centre, r, r);
    p.setBrush(faceGradient);
    p.drawEllipse(centre, r - 9, r - 9);
    // Lamps around the rim.
    for (int i = 0; i < 16; ++i) {
        const qreal a = 2 * M_PI * i / 16;
        paintLamp(p, centre + QPointF(qCos(a), qSin(a)) * (r - 4.5), 2.9);
    }
    const QPainterPath glyph = fittedText(QString(letter), letteringFont(62),
                                          QRectF(centre - QPointF(32, 30), QSizeF(64, 60)));
    paintLettering(p, glyph,
                   {palette::colour(palette::kCream), palette::colour(palette::kInk), 2.2,
                    QPointF(2, 3), palette::colour(palette::kInk, 150)});
}

}  // namespace

QImage idleReel(int reel, qreal scale) {
    QImage image = transparentImage(layout::kReelPicture, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal x = layout::kCell.width() / 2.0;
    const qreal cell = layout::kCell.height();
    const QString word = QStringLiteral("PLAY!");
    const QRgb faces[] = {palette::kCherry, palette::kTurquoiseDark, palette::kOrange,
                          palette::kTurquoiseDark, palette::kCherry};
    const bool starOnTop = reel % 2 == 1;
    const QPointF top(x, cell / 2);
    const QPointF bottom(x, cell * 2.5);
    if (starOnTop) {
        paintAtomicStar(p, top, 44, 17);
        paintDaisy(p, bottom, 42, palette::colour(palette::kPink),
                   palette::colour(palette::kButter));
    } else {
        paintDaisy(p, top, 42, palette::colour(palette::kPink), palette::colour(palette::kButter));
        paintAtomicStar(p, bottom, 44, 17);
    }
    paintMarquee(p, QPointF(x, cell * 1.5), word[reel - 1], faces[reel - 1]);
    return image;
}

}  // namespace kestrel::art
