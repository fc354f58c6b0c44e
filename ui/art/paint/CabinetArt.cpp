#include "CabinetArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ArtBook.h"
#include "ButtonArtist.h"
#include "ButtonPlaces.h"
#include "Geometry.h"
#include "Layout.h"
#include "Lettering.h"
#include "Materials.h"
#include "MeterArt.h"
#include "Palette.h"
#include "Raster.h"
#include "ScaledSize.h"

namespace kestrel::art {

namespace {

namespace lay = layout;

constexpr int kTopBar = 50;
constexpr int kDeckTop = 458;

// What spans the whole machine spans `whole`, the picture's logical rectangle: 800 × 600, or a
// fraction of a pixel more where the picture's size was rounded up, so that its last row and
// column are drawn like the ones before them.

void paintBody(QPainter& p, const QRectF& whole) {
    // Cherry vinyl with a soft sheen, pinstriped.
    QLinearGradient red(0, 0, 800, 0);
    red.setColorAt(0, palette::colour(palette::kCherryDeep));
    red.setColorAt(0.12, palette::colour(palette::kCherryDark));
    red.setColorAt(0.5, palette::colour(palette::kCherry));
    red.setColorAt(0.88, palette::colour(palette::kCherryDark));
    red.setColorAt(1, palette::colour(palette::kCherryDeep));
    p.fillRect(whole, red);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 4; x < whole.right(); x += 8) {
        p.drawLine(QPointF(x, 0), QPointF(x, whole.bottom()));
    }
}

void paintTopBar(QPainter& p, const QRectF& whole) {
    QLinearGradient teal(0, 0, 0, kTopBar);
    teal.setColorAt(0, palette::colour(palette::kTurquoiseDark));
    teal.setColorAt(1, palette::colour(palette::kTurquoiseDeep));
    p.fillRect(QRectF(0, 0, whole.width(), kTopBar), teal);
    p.setPen(Qt::NoPen);
    p.setBrush(chromeGradient(QPointF(0, kTopBar), QPointF(0, kTopBar + 5)));
    p.drawRect(QRectF(0, kTopBar, whole.width(), 5));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.drawLine(QPointF(0, kTopBar + 5.5), QPointF(whole.right(), kTopBar + 5.5));

    paintMeter(p, lay::kCreditMeter);
    paintMeterCaption(p, lay::meterCaption(lay::kCreditMeter), QStringLiteral("CREDIT"));
    paintMeter(p, lay::kBetMeter);
    paintMeter(p, lay::kWinMeter);
    paintMeterCaption(p, lay::meterCaption(lay::kWinMeter), QStringLiteral("WIN"));
}

void paintLogo(QPainter& p) {
    const QRectF box = QRectF(lay::kLogo).adjusted(1, 2, -1, -2);
    // A boomerang of cream behind the name, with a starburst at its tip.
    QPainterPath swoosh;
    swoosh.moveTo(box.left() + 4, box.bottom() - 4);
    swoosh.quadTo(box.center().x(), box.top() - 8, box.right() - 2, box.top() + 8);
    swoosh.quadTo(box.center().x() + 10, box.top() + 10, box.left() + 16, box.bottom() - 2);
    swoosh.closeSubpath();
    p.setPen(QPen(palette::colour(palette::kInk), 1.2));
    p.setBrush(palette::colour(palette::kPink, 200));
    p.drawPath(swoosh);
    p.setBrush(palette::colour(palette::kButter));
    p.drawPath(starburst(QPointF(box.right() - 8, box.top() + 8), 7, 2.5, 4));
    const QPainterPath name = fittedText(QStringLiteral("Kestrel"), letteringFont(34, true, true),
                                         box.adjusted(6, 5, -12, -3), Qt::AlignCenter, 0.22);
    QLinearGradient chrome = chromeGradient(box.topLeft() + QPointF(0, 6), box.bottomLeft());
    paintLettering(p, name,
                   {chrome, palette::colour(palette::kInk), 1.8, QPointF(2, 2),
                    palette::colour(palette::kCherryDeep)});
}

void paintCoinSlot(QPainter& p) {
    const QRectF plate = QRectF(lay::kCoinSlot).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(chromeGradient(plate.topLeft(), plate.bottomLeft()));
    p.drawRoundedRect(plate, 5, 5);
    const QRectF opening(plate.left() + 6, plate.center().y() - 2, plate.width() - 12, 4);
    p.setBrush(palette::colour(palette::kGlass));
    p.drawRoundedRect(opening, 2, 2);
    for (qreal x : {plate.left() + 3.5, plate.right() - 3.5}) {
        paintRivet(p, QPointF(x, plate.center().y()), 1.6);
    }
}

void paintReelWindow(QPainter& p) {
    const QRectF reels = QRectF(lay::kReelWindow);
    const QRectF bezel = reels.adjusted(-8, -8, 8, 8);
    paintChromeFrame(p, bezel, 8.5, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::colour(palette::kInk));
    p.drawRect(reels.adjusted(-0.5, -0.5, 0.5, 0.5));
    // Chrome posts between the reels.
    for (int reel = 1; reel < kReels; ++reel) {
        const qreal left = lay::reelRect(reel).right() + 1;
        const qreal right = lay::reelRect(reel + 1).left();
        const QRectF post(left + 1, reels.top(), right - left - 2, reels.height());
        p.setBrush(chromeGradient(post.topLeft(), post.topRight()));
        p.setPen(QPen(palette::colour(palette::kInk), 0.8));
        p.drawRect(post);
    }
}

void paintMarkerColumns(QPainter& p) {
    int topLeft = 1000, bottomLeft = 0, topRight = 1000, bottomRight = 0;
    for (int m = 1; m < static_cast<int>(lay::kMarkerPlace.size()); ++m) {
        const QRect r = lay::markerRect(m);
        int& top = lay::kMarkerPlace[m].right ? topRight : topLeft;
        int& bottom = lay::kMarkerPlace[m].right ? bottomRight : bottomLeft;
        top = qMin(top, r.top());
        bottom = qMax(bottom, r.bottom() + 1);
    }
    const auto column = [&](int x, int top, int bottom) {
        const QRectF outer(x - 4.5, top - 3.5, lay::kMarker.width() + 9, bottom - top + 7);
        paintChromeFrame(p, outer, 2.5, 8);
        paintGlass(p, outer.adjusted(2.5, 2.5, -2.5, -2.5), 6);
    };
    column(lay::kMarkerLeftX, topLeft, bottomLeft);
    column(lay::kMarkerRightX, topRight, bottomRight);
    // An unlit socket at each marker's place: what shows while a marker blinks off.
    for (int m = 1; m < static_cast<int>(lay::kMarkerPlace.size()); ++m) {
        const QRectF r = QRectF(lay::markerRect(m)).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    }
}

void paintCheckerStrip(QPainter& p) {
    const QRectF strip(QRectF(lay::kReelWindow).left() - 6, 452, lay::kReelWindow.width() + 12, 8);
    p.save();
    p.setClipRect(strip);
    p.fillRect(strip, palette::colour(palette::kCream));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::colour(palette::kInk));
    for (int i = 0; 8 * i < strip.width() + 8; ++i) {
        for (int j = 0; j < 2; ++j) {
            if ((i + j) % 2 == 0) {
                p.drawRect(QRectF(strip.left() + 8 * i, strip.top() + 4 * j, 8, 4));
            }
        }
    }
    p.restore();
}

void paintDeck(QPainter& p, const QRectF& whole) {
    const QRectF deck(QPointF(0, kDeckTop + 2), whole.bottomRight());
    QLinearGradient cream(QPointF(0, deck.top()), QPointF(0, lay::kWindow.height()));
    cream.setColorAt(0, palette::colour(palette::kCream));
    cream.setColorAt(1, palette::colour(palette::kCreamDark));
    p.fillRect(deck, cream);
    p.setPen(Qt::NoPen);
    p.setBrush(chromeGradient(QPointF(0, kDeckTop - 2), QPointF(0, kDeckTop + 3)));
    p.drawRect(QRectF(0, kDeckTop - 1, whole.width(), 4));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.drawLine(QPointF(0, kDeckTop - 1.5), QPointF(whole.right(), kDeckTop - 1.5));
    p.drawLine(QPointF(0, kDeckTop + 3.5), QPointF(whole.right(), kDeckTop + 3.5));

    // The stage of the information plate and the free-spin banners: dark red, lit from above.
    const QRectF stage = QRectF(lay::kInfoPlate).adjusted(-3, -3, 3, 3);
    QLinearGradient deep(stage.topLeft(), stage.bottomLeft());
    deep.setColorAt(0, palette::colour(palette::kCherryDark));
    deep.setColorAt(1, palette::colour(palette::kCherryDeep));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(deep);
    p.drawRoundedRect(stage, 12, 12);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(palette::colour(palette::kButterLight, 40));
        p.drawPath(starburst(QPointF(stage.left() + 34 + i * 64, stage.top() + 18 + (i % 2) * 56),
                             7, 2.5, 4));
    }

    // The right-hand block's tray.
    const QRectF tray(lay::kNotes.left() - 4, lay::kNotes.top() - 4,
                      lay::kCoinsIn.right() + 5 - lay::kNotes.left(),
                      lay::kTakeWin.bottom() + 5 - lay::kNotes.top());
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(palette::colour(palette::kTurquoiseDark, 70));
    p.drawRoundedRect(tray, 10, 10);

    // The free-spin counter's window, between the stage and the tray.
    const QRectF counter = QRectF(lay::kSpinsLeftCount);
    paintChromeFrame(p, counter.adjusted(-3, -3, 3, 3), 3, 9);
    paintGlass(p, counter, 6);
    paintLettering(p,
                   fittedText(QStringLiteral("FREE"), letteringFont(10),
                              QRectF(counter.left(), counter.top() - 15, counter.width(), 10)),
                   {palette::colour(palette::kCherryDark)});
    paintLettering(p,
                   fittedText(QStringLiteral("SPINS"), letteringFont(10),
                              QRectF(counter.left(), counter.bottom() + 5, counter.width(), 10)),
                   {palette::colour(palette::kCherryDark)});
}

void paintPressedButtons(QImage& cabinet, qreal scale) {
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        blendAt(cabinet, scaledPoint(buttonPlace(art).topLeft(), scale),
                buttonPicture(art, cabinetLook(art), scale));
    }
}

}  // namespace

std::vector<QRect> reelOpenings(qreal scale) {
    std::vector<QRect> openings;
    for (int reel = 1; reel <= kReels; ++reel) {
        openings.push_back(scaledRect(lay::reelRect(reel), scale).adjusted(1, 1, -1, -1));
    }
    return openings;
}

ButtonLook cabinetLook(ButtonArt art) {
    // The take-win button is hidden for all but the end of a feature and never shows a pressed
    // look, so its place shows it out of use.
    return art == ButtonArt::takewin ? ButtonLook::Disabled : ButtonLook::Pressed;
}

QImage cabinetPicture(qreal scale) {
    QImage image = transparentImage(lay::kWindow, scale);
    {
        const QRectF whole = logicalRect(image);
        ArtPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintBody(p, whole);
        paintTopBar(p, whole);
        paintLogo(p);
        paintCoinSlot(p);
        paintReelWindow(p);
        paintMarkerColumns(p);
        paintCheckerStrip(p);
        paintDeck(p, whole);
    }
    paintPressedButtons(image, scale);
    return image;
}

}  // namespace kestrel::art
