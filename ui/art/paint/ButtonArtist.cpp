#include "ButtonArtist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Bets.h"
#include "ButtonPlaces.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "Raster.h"

namespace kestrel::art {

namespace {

struct Design {
    QRgb face;
    QString caption;  // small line on top; empty for a single line
    QString text;     // the big line
};

Design designOf(ButtonArt art) {
    const int index = static_cast<int>(art);
    if (art <= ButtonArt::Play6) {
        const int k = index - static_cast<int>(ButtonArt::Play1) + 1;
        return {palette::kCherry, QStringLiteral("BET"), QString::number(kBetOfPlayButton[k])};
    }
    if (art <= ButtonArt::Line5) {
        const int k = index - static_cast<int>(ButtonArt::Line1) + 1;
        return {palette::kTurquoiseDark, QStringLiteral("LINES"),
                QString::number(kLinesOfLineButton[k])};
    }
    switch (art) {
        case ButtonArt::coinsin:
            return {palette::kButter, QString(), QStringLiteral("COINS")};
        case ButtonArt::autoplayon:
            return {palette::kTurquoiseDark, QStringLiteral("AUTOPLAY"), QStringLiteral("ON")};
        case ButtonArt::autoplayoff:
            return {palette::kCherryDark, QStringLiteral("AUTOPLAY"), QStringLiteral("OFF")};
        case ButtonArt::doublebutton:
            return {palette::kOrange, QString(), QStringLiteral("GAMBLE")};
        case ButtonArt::takewin:
            return {palette::kCherry, QString(), QStringLiteral("TAKE WIN")};
        case ButtonArt::btnoptions:
            return {0xFF8E6CC8, QString(), QStringLiteral("OPTIONS")};
        case ButtonArt::btnopenmenu:
            return {palette::kTurquoiseDark, QString(), QStringLiteral("MENU")};
        case ButtonArt::cmdexit:
            return {palette::kCherry, QString(), QString()};
        default:
            return {palette::kNoteGreen, QString(), QString()};
    }
}

bool isLight(QRgb rgb) {
    const QColor c = QColor::fromRgba(rgb);
    return 0.3 * c.red() + 0.55 * c.green() + 0.15 * c.blue() > 170;
}

// The chrome bezel and the coloured cap inside it; returns the cap's rectangle.
QRectF paintBody(QPainter& p, const QRectF& outer, qreal radius, QRgb face, bool pressed) {
    paintChromeFrame(p, outer, 2.2, radius);
    const QRectF cap = outer.adjusted(2.2, 2.2, -2.2, -2.2);
    const qreal capRadius = qMax(1.0, radius - 2.2);
    const QColor base = palette::colour(face);
    QLinearGradient g(cap.topLeft(), cap.bottomLeft());
    if (pressed) {
        g.setColorAt(0, base.darker(190));
        g.setColorAt(0.35, base.darker(150));
        g.setColorAt(1, base.darker(125));
    } else {
        g.setColorAt(0, base.lighter(145));
        g.setColorAt(0.5, base);
        g.setColorAt(1, base.darker(130));
    }
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(g);
    p.drawRoundedRect(cap, capRadius, capRadius);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 85));
        p.drawRoundedRect(
            QRectF(cap.left() + 3, cap.top() + 1.5, cap.width() - 6, cap.height() * 0.42),
            capRadius * 0.8, capRadius * 0.8);
    }
    return cap;
}

void paintCaptions(QPainter& p, const QRectF& cap, const Design& d, bool pressed) {
    const bool dark = isLight(d.face);
    QColor ink = dark ? palette::colour(palette::kInk) : palette::colour(palette::kCream);
    if (pressed) {
        ink = ink.darker(dark ? 100 : 140);
    }
    const QColor rim = dark ? QColor(255, 255, 255, 120) : palette::colour(palette::kInk);
    const QRectF area = cap.adjusted(3, pressed ? 2 : 1, -3, pressed ? 0 : -1);
    if (d.caption.isEmpty()) {
        const QPainterPath text =
            fittedText(d.text, letteringFont(13), area.adjusted(1, 3, -1, -3));
        paintLettering(p, text, {ink, rim, 1.1});
        return;
    }
    const qreal split = area.top() + area.height() * 0.36;
    const QPainterPath small =
        fittedText(d.caption, letteringFont(8),
                   QRectF(area.left(), area.top() + 1, area.width(), split - area.top() - 1));
    paintLettering(p, small, {ink});
    const QPainterPath big =
        fittedText(d.text, letteringFont(15),
                   QRectF(area.left(), split + 0.5, area.width(), area.bottom() - split - 1.5));
    paintLettering(p, big, {ink, rim, 1.1});
}

// The note button is a green banknote: guilloche border, a portrait medallion, no figures.
void paintNote(QPainter& p, const QRectF& outer, bool pressed) {
    const QRectF note = outer.adjusted(1, 2, -1, -2);
    QLinearGradient paper(note.topLeft(), note.bottomLeft());
    paper.setColorAt(0, QColor(0xD9, 0xEE, 0xC8));
    paper.setColorAt(1, QColor(0xA9, 0xCF, 0x96));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(paper);
    p.drawRoundedRect(note, 2, 2);
    const QColor green(0x2F, 0x6B, 0x3A);
    p.setPen(QPen(green, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(note.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(green, 0.7));
    for (qreal x = note.left() + 5; x < note.right() - 4; x += 3) {
        p.drawLine(QPointF(x, note.top() + 3.5), QPointF(x + 1.5, note.top() + 5));
        p.drawLine(QPointF(x, note.bottom() - 3.5), QPointF(x + 1.5, note.bottom() - 5));
    }
    const QPointF c = note.center();
    p.setPen(QPen(green, 1.2));
    p.setBrush(QColor(0xC4, 0xE2, 0xB0));
    p.drawEllipse(c, 9, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(c + QPointF(0, -2.2), 3, 3.3);
    p.drawChord(QRectF(c.x() - 6, c.y() + 1.2, 12, 10), 0, 180 * 16);
    for (qreal side : {-1.0, 1.0}) {
        const QPointF rosette = c + QPointF(side * 20, 0);
        p.setPen(QPen(green, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(rosette, 5, 5);
        p.drawEllipse(rosette, 2.2, 2.2);
    }
    if (pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 40, 20, 90));
        p.drawRoundedRect(note, 2, 2);
    }
}

void paintExit(QPainter& p, const QRectF& outer, bool pressed) {
    p.setPen(QPen(palette::colour(palette::kInk), 1.2));
    p.setBrush(chromeGradient(outer.topLeft(), outer.bottomLeft()));
    p.drawEllipse(outer);
    const QRectF cap = outer.adjusted(3, 3, -3, -3);
    const QColor base = palette::colour(palette::kCherry);
    QRadialGradient g(cap.center() - QPointF(3, 4), cap.width() * 0.7);
    g.setColorAt(0, pressed ? base.darker(140) : base.lighter(140));
    g.setColorAt(1, pressed ? base.darker(190) : base.darker(125));
    p.setBrush(g);
    p.drawEllipse(cap);
    const QPointF c = cap.center() + QPointF(0, pressed ? 1 : 0);
    const qreal arm = cap.width() * 0.22;
    QPainterPath cross;
    cross.moveTo(c + QPointF(-arm, -arm));
    cross.lineTo(c + QPointF(arm, arm));
    cross.moveTo(c + QPointF(arm, -arm));
    cross.lineTo(c + QPointF(-arm, arm));
    p.setPen(QPen(palette::colour(palette::kInk), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
    p.setPen(QPen(pressed ? palette::colour(palette::kCreamDark).darker(130)
                          : palette::colour(palette::kCream),
                  3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cross);
}

void paintMenuLines(QPainter& p, const QRectF& cap, bool pressed) {
    const QColor ink =
        pressed ? palette::colour(palette::kCream).darker(140) : palette::colour(palette::kCream);
    const qreal dy = pressed ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        const qreal y = cap.top() + 6 + i * 4.5 + dy;
        p.setPen(QPen(palette::colour(palette::kInk), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cap.left() + 10, y), QPointF(cap.right() - 10, y));
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cap.left() + 10, y), QPointF(cap.right() - 10, y));
    }
    const QPainterPath text =
        fittedText(QStringLiteral("MENU"), letteringFont(9),
                   QRectF(cap.left() + 2, cap.bottom() - 11 + dy, cap.width() - 4, 9));
    paintLettering(p, text, {ink, palette::colour(palette::kInk), 0.8});
}

QImage raisedOrPressed(ButtonArt art, bool pressed, qreal scale) {
    const QSize size = buttonPlace(art).size();
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = edgeRect(image);
    const Design d = designOf(art);
    switch (art) {
        case ButtonArt::notes:
            paintNote(p, outer, pressed);
            break;
        case ButtonArt::cmdexit:
            paintExit(p, outer, pressed);
            break;
        case ButtonArt::btnopenmenu:
            paintMenuLines(p, paintBody(p, outer, 8, d.face, pressed), pressed);
            break;
        default:
            paintCaptions(p, paintBody(p, outer, qMin(8.0, outer.height() / 3), d.face, pressed), d,
                          pressed);
            break;
    }
    return image;
}

}  // namespace

QImage buttonPicture(ButtonArt art, ButtonLook look, qreal scale) {
    switch (look) {
        case ButtonLook::Raised:
            return raisedOrPressed(art, false, scale);
        case ButtonLook::Pressed:
            return raisedOrPressed(art, true, scale);
        case ButtonLook::Disabled:
            return greyed(raisedOrPressed(art, false, scale), QColor(0xCF, 0xC8, 0xC0), 0.55);
    }
    return {};
}

}  // namespace kestrel::art
