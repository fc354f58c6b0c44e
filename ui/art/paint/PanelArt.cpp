#include "PanelArt.h"

#include <QLinearGradient>
#include <QPainter>

#include "ArtCatalogue.h"
#include "Lettering.h"
#include "Materials.h"
#include "Palette.h"
#include "PayTexts.h"
#include "Raster.h"
#include "SymbolArt.h"

namespace kestrel::art {

namespace {

// A chrome-framed panel with a vertical gradient field; returns the field.
QRectF paintPanel(QPainter& p, const QRectF& outer, QRgb top, QRgb bottom, qreal radius = 10) {
    paintChromeFrame(p, outer, 4, radius);
    const QRectF field = outer.adjusted(4, 4, -4, -4);
    QLinearGradient g(field.topLeft(), field.bottomLeft());
    g.setColorAt(0, palette::colour(top));
    g.setColorAt(1, palette::colour(bottom));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(g);
    p.drawRoundedRect(field, radius - 4, radius - 4);
    return field;
}

void paintRecess(QPainter& p, const QRectF& rect, qreal radius) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, QColor(43, 26, 34, 120));
    g.setColorAt(0.3, QColor(43, 26, 34, 60));
    g.setColorAt(1, QColor(255, 255, 255, 70));
    p.setPen(QPen(QColor(43, 26, 34, 150), 1));
    p.setBrush(g);
    p.drawRoundedRect(rect, radius, radius);
}

QRectF rectIn(const QRect& r, qreal grow) {
    return QRectF(r).adjusted(-grow, -grow, grow, grow);
}

}  // namespace

QImage infoPlate(const SymbolArt& symbols, qreal scale) {
    const QSize size = entry(Picture::panfreespin).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF field = paintPanel(p, edgeRect(image), palette::kCream, palette::kCreamDark, 12);
    // Left: the two specials; middle: how many; right: what they win.
    const qreal icon = 62;
    const qreal top = field.center().y() - icon / 2;
    symbols.paint(p, Symbol::SC, QRectF(field.left() + 10, top, icon, icon));
    const QPainterPath slash = fittedText(QStringLiteral("/"), letteringFont(30),
                                          QRectF(field.left() + 10 + icon, top + 14, 16, 34));
    paintLettering(p, slash, {palette::colour(palette::kInk)});
    symbols.paint(p, Symbol::W, QRectF(field.left() + 28 + icon, top, icon, icon));
    const qreal textLeft = field.left() + 40 + 2 * icon;
    const QRectF lineOne(textLeft, field.top() + 8, field.right() - 12 - textLeft, 34);
    const QRectF lineTwo(textLeft, field.top() + 44, field.right() - 12 - textLeft, 34);
    const QPainterPath how = fittedText(freeSpinTriggers() + QStringLiteral(" ANYWHERE WIN"),
                                        letteringFont(24), lineOne, Qt::AlignCenter, 0.1);
    paintLettering(p, how,
                   {palette::colour(palette::kTurquoiseDark), palette::colour(palette::kInk), 1.2});
    const QPainterPath what = fittedText(freeSpinCounts() + QStringLiteral(" FREE SPINS"),
                                         letteringFont(30), lineTwo, Qt::AlignCenter, 0.1);
    paintLettering(p, what,
                   {palette::colour(palette::kCherry), palette::colour(palette::kInk), 1.6,
                    QPointF(1.5, 2), palette::colour(palette::kInk, 120)});
    return image;
}

QImage noCreditPanel(qreal scale) {
    const QSize size = entry(Picture::pannomoney).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = edgeRect(image);
    const QRectF field = paintPanel(p, outer, palette::kCherry, palette::kCherryDark, 14);
    // A cream card for the words, with a starburst in each corner of the red border.
    const QRectF card = field.adjusted(10, 10, -10, -10);
    p.setPen(QPen(palette::colour(palette::kInk), 1.2));
    p.setBrush(palette::colour(palette::kCream));
    p.drawRoundedRect(card, 6, 6);
    for (const QPointF& c :
         {field.topLeft() + QPointF(5, 5), field.topRight() + QPointF(-5, 5),
          field.bottomLeft() + QPointF(5, -5), field.bottomRight() + QPointF(-5, -5)}) {
        p.setBrush(palette::colour(palette::kButter));
        p.drawPath(starburst(c, 7, 3, 8));
    }
    return image;
}

QImage gamblePanel(qreal scale) {
    namespace g = layout::gamble;
    const QSize size = entry(Picture::GamblePanel).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPanel(p, edgeRect(image), palette::kTurquoiseDark, palette::kTurquoiseDeep, 12);
    // The three labels sit on dark glass.
    paintGlass(p,
               QRectF(g::kRiskLabel.left(), g::kRiskLabel.top(), g::kRiskLabel.width(),
                      g::kSuitWinLabel.bottom() + 1 - g::kRiskLabel.top())
                   .adjusted(-2, 0, 2, 2),
               5);
    // The card's bay: a cream rim round a red felt.
    const QRectF bay = rectIn(g::kCard, 5);
    p.setPen(QPen(palette::colour(palette::kInk), 1.2));
    p.setBrush(palette::colour(palette::kCream));
    p.drawRoundedRect(bay, 10, 10);
    p.setBrush(palette::colour(palette::kCherryDark));
    p.drawRoundedRect(bay.adjusted(3, 3, -3, -3), 8, 8);
    for (size_t i = 1; i < g::kSuitButtons.size(); ++i) {
        paintRecess(p, rectIn(g::kSuitButtons[i], 3), 9);
    }
    for (const QRect& button : {g::kRed, g::kBlack, g::kCollect}) {
        paintRecess(p, rectIn(button, 2), 7);
    }
    // Five slots for the history of cards, on a chrome rail.
    const QRectF rail(g::kHistoryLeft[1] - 8, g::kHistoryTop - 5,
                      g::kHistoryLeft[5] + g::kHistorySize.width() + 8 - (g::kHistoryLeft[1] - 8),
                      g::kHistorySize.height() + 10);
    paintChromeFrame(p, rail, 2, 6);
    for (int i = 1; i <= 5; ++i) {
        paintRecess(p, QRectF(QPointF(g::kHistoryLeft[i], g::kHistoryTop), g::kHistorySize), 4);
    }
    // Where the win and lose plates come to rest.
    paintRecess(
        p, QRectF(QPointF(g::kSlideLeft, g::kSlideRestTop), g::kSlideSize).adjusted(-3, -3, 3, 3),
        9);
    return image;
}

QImage menuPanel(qreal scale) {
    const QSize size = entry(Picture::MenuPanel).size;
    QImage image = transparentImage(size, scale);
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPanel(p, edgeRect(image), palette::kCream, palette::kCreamDark, 10);
    for (const QRect& button : layout::kMenuButtons) {
        paintRecess(p, rectIn(button, 2), 8);
    }
    return image;
}

}  // namespace kestrel::art
