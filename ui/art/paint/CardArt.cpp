#include "CardArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>
#include <QtMath>

#include "ArtCatalogue.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"
#include "Suits.h"

namespace kestrel::art {

namespace {

constexpr int kRevealFrames = 15;
constexpr qreal kCorner = 8;

QRectF cardRect() {
    return QRectF(0.5, 0.5, kCardSize.width() - 1, kCardSize.height() - 1);
}

QPainterPath cardShape() {
    QPainterPath path;
    path.addRoundedRect(cardRect(), kCorner, kCorner);
    return path;
}

QColor suitColour(int card) {
    return palette::colour(isRedSuit(card) ? palette::kCherry : palette::kInk);
}

void paintSuit(QPainter& p, int card, const QRectF& box, bool gloss) {
    const QPainterPath suit = suitPath(card, box);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    const QColor base = suitColour(card);
    fill.setColorAt(0, isRedSuit(card) ? base.lighter(125) : QColor(0x4A, 0x3A, 0x44));
    fill.setColorAt(1, base);
    p.setPen(QPen(palette::colour(palette::kInk), qMax(1.0, box.width() / 40), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(suit);
    if (gloss) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QRectF(box.left() + box.width() * 0.2, box.top() + box.height() * 0.16,
                             box.width() * 0.18, box.height() * 0.12));
    }
}

QImage face(int card, qreal scale) {
    QImage image = transparentImage(kCardSize, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, kCardSize.height());
    paper.setColorAt(0, QColor(0xFF, 0xFD, 0xF6));
    paper.setColorAt(1, palette::colour(palette::kCream));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(paper);
    p.drawPath(cardShape());
    // A pastel starburst behind the big pip, the card's fifties touch.
    const QPointF centre(kCardSize.width() / 2.0, kCardSize.height() / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::colour(isRedSuit(card) ? palette::kPink : palette::kTurquoiseLight, 90));
    p.drawPath(starburst(centre, 44, 30, 12));
    paintSuit(p, card, QRectF(centre - QPointF(27, 28), QSizeF(54, 56)), true);
    // Corner indices, the lower one turned round.
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(kCardSize.width(), kCardSize.height());
            p.rotate(180);
        }
        const QPainterPath ace =
            fittedText(QStringLiteral("A"), letteringFont(20, true, true), QRectF(5, 5, 16, 19));
        paintLettering(p, ace, {suitColour(card)});
        paintSuit(p, card, QRectF(6, 27, 14, 15), false);
        p.restore();
    }
    return image;
}

QImage back(qreal scale) {
    QImage image = transparentImage(kCardSize, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(palette::colour(palette::kCream));
    p.drawPath(cardShape());
    const QRectF field = cardRect().adjusted(6, 6, -6, -6);
    QPainterPath fieldShape;
    fieldShape.addRoundedRect(field, 4, 4);
    QLinearGradient red(field.topLeft(), field.bottomRight());
    red.setColorAt(0, palette::colour(palette::kCherry));
    red.setColorAt(1, palette::colour(palette::kCherryDark));
    p.setBrush(red);
    p.drawPath(fieldShape);
    // A cream lattice over the red, kept inside the field.
    p.save();
    p.setClipPath(fieldShape);
    p.setPen(QPen(palette::colour(palette::kCream, 120), 1.2));
    for (int d = -200; d < 300; d += 11) {
        p.drawLine(QPointF(d, 0), QPointF(d + 160, 160));
        p.drawLine(QPointF(d, 160), QPointF(d + 160, 0));
    }
    p.restore();
    const QPointF centre(kCardSize.width() / 2.0, kCardSize.height() / 2.0);
    p.setPen(QPen(palette::colour(palette::kInk), 1.4));
    p.setBrush(palette::colour(palette::kCream));
    p.drawEllipse(centre, 27, 27);
    paintAtomicStar(p, centre, 24, 11);
    return image;
}

QImage suitIcon(int card, qreal scale) {
    // The suit fills the middle square of the picture; the window crops or scales it to a button.
    QImage image = transparentImage(kCardSize, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = kCardSize.width();
    const QRectF square(0, (kCardSize.height() - side) / 2, side, side);
    p.setPen(QPen(palette::colour(palette::kInk), 2));
    p.setBrush(palette::colour(palette::kCream));
    p.drawEllipse(square.adjusted(4, 4, -4, -4));
    paintSuit(p, card, square.adjusted(22, 20, -22, -20), true);
    return image;
}

// The reflection across the fold line through `onLine` with unit normal `n`.
QTransform reflection(QPointF onLine, QPointF n) {
    const qreal d = 2 * (onLine.x() * n.x() + onLine.y() * n.y());
    return QTransform(1 - 2 * n.x() * n.x(), -2 * n.x() * n.y(), -2 * n.x() * n.y(),
                      1 - 2 * n.y() * n.y(), d * n.x(), d * n.y());
}

// Reveal frame k of 1..15: the back with its lower right part folded over.
QImage reveal(const QImage& backImage, int k) {
    const QPointF corner(kCardSize.width(), kCardSize.height());
    const qreal diagonal = qSqrt(corner.x() * corner.x() + corner.y() * corner.y());
    const QPointF n(corner.x() / diagonal, corner.y() / diagonal);  // towards the corner
    const qreal depth = diagonal * k / (kRevealFrames + 1.0);
    const QPointF onLine = corner - n * depth;
    // Everything past the fold line, towards the corner: what has peeled away.
    const QPointF along(-n.y(), n.x());
    QPainterPath past;
    past.moveTo(onLine + along * 400);
    past.lineTo(onLine - along * 400);
    past.lineTo(onLine - along * 400 + n * 400);
    past.lineTo(onLine + along * 400 + n * 400);
    past.closeSubpath();
    const QPainterPath peeled = cardShape().intersected(past);
    const QPainterPath flap = reflection(onLine, n).map(peeled).intersected(cardShape());

    QImage image = backImage.copy();
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(peeled, Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The flap's shadow on the back, then the flap: the card's cream underside, shaded to the fold.
    QImage shadow = transparentLike(image);
    {
        ArtPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.fillPath(flap.translated(-2, -2), QColor(43, 26, 34, 150));
    }
    shadow = blurred(shadow, 2);
    {
        ArtPainter s(&shadow);
        s.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        s.fillPath(cardShape().subtracted(peeled), Qt::black);
    }
    p.drawImage(0, 0, shadow);
    QLinearGradient underside(onLine, onLine - n * 60);
    underside.setColorAt(0, QColor(0xD8, 0xC8, 0xA8));
    underside.setColorAt(0.3, QColor(0xFF, 0xFB, 0xF0));
    underside.setColorAt(1, palette::colour(palette::kCream));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(underside);
    p.drawPath(flap);
    return image;
}

}  // namespace

std::vector<QImage> cardPictures(qreal scale) {
    std::vector<QImage> out;
    for (int card = 1; card <= 4; ++card) {
        out.push_back(face(card, scale));
    }
    const QImage backImage = back(scale);
    out.push_back(backImage);
    for (int card = 1; card <= 4; ++card) {
        out.push_back(suitIcon(card, scale));
    }
    for (int k = 1; k <= kRevealFrames; ++k) {
        out.push_back(reveal(backImage, k));
    }
    return out;
}

QImage cardRevealFrame(const QImage& back, int k) {
    return k >= 1 && k <= kRevealFrames ? reveal(back, k) : QImage();
}

QImage cardPicture(int index, qreal scale) {
    if (index <= 4) {
        return face(index, scale);
    }
    if (index == 5) {
        return back(scale);
    }
    if (index <= 9) {
        return suitIcon(index - 5, scale);
    }
    return reveal(back(scale), index - 9);
}

}  // namespace kestrel::art
