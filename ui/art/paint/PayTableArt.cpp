#include "PayTableArt.h"

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

constexpr int kColumns = 3;
constexpr int kRows = 4;
const QRectF kGrid(16, 58, 568, 338);
constexpr qreal kGap = 6;

QRectF boxAt(int index) {
    const qreal w = (kGrid.width() - (kColumns - 1) * kGap) / kColumns;
    const qreal h = (kGrid.height() - (kRows - 1) * kGap) / kRows;
    const int col = index % kColumns;
    const int row = index / kColumns;
    return QRectF(kGrid.left() + col * (w + kGap), kGrid.top() + row * (h + kGap), w, h);
}

void paintBox(QPainter& p, const QRectF& box, QRgb edge) {
    p.setPen(QPen(palette::colour(edge), 2));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 8, 8);
}

void paintText(QPainter& p, const QString& text, const QRectF& box, qreal size, QRgb colour,
               Qt::Alignment align = Qt::AlignCenter) {
    paintLettering(p, fittedText(text, letteringFont(size), box, align), {palette::colour(colour)});
}

// The pays of one box: the run length on the left, the pay on the right, one line each.
void paintPays(QPainter& p, const std::vector<Pay>& pays, const QRectF& area, bool timesTotal) {
    const qreal line = qMin<qreal>(17, area.height() / qMax<size_t>(4, pays.size()));
    const qreal top = area.center().y() - line * pays.size() / 2.0;
    for (size_t i = 0; i < pays.size(); ++i) {
        const QRectF row(area.left(), top + i * line, area.width(), line - 2);
        paintText(p, QString::number(pays[i].count),
                  QRectF(row.left(), row.top(), 14, row.height()), 14, palette::kTurquoiseDark,
                  Qt::AlignLeft | Qt::AlignVCenter);
        paintText(p, payText(pays[i], timesTotal),
                  QRectF(row.left() + 18, row.top(), row.width() - 18, row.height()), 14,
                  palette::kCherryDark, Qt::AlignRight | Qt::AlignVCenter);
    }
}

}  // namespace

QImage payTablePicture(const SymbolArt& symbols, qreal scale) {
    const QSize size = entry(Picture::PayTable).size;
    QImage image = transparentImage(size, scale);
    image.fill(palette::colour(palette::kCherryDark));
    ArtPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(QPoint(0, 0), size).adjusted(4.5, 4.5, -4.5, -4.5);
    paintChromeFrame(p, outer, 5, 14);
    const QRectF field = outer.adjusted(5, 5, -5, -5);
    QLinearGradient cream(field.topLeft(), field.bottomLeft());
    cream.setColorAt(0, palette::colour(palette::kCream));
    cream.setColorAt(1, palette::colour(palette::kCreamDark));
    p.setPen(QPen(palette::colour(palette::kInk), 1));
    p.setBrush(cream);
    p.drawRoundedRect(field, 9, 9);

    const QPainterPath title = fittedText(QStringLiteral("PAY TABLE"), letteringFont(34),
                                          QRectF(120, 14, 360, 38), Qt::AlignCenter, 0.12);
    paintLettering(p, title,
                   {palette::colour(palette::kCherry), palette::colour(palette::kInk), 2,
                    QPointF(2, 2.5), palette::colour(palette::kInk, 140)});
    for (qreal x : {100.0, 500.0}) {
        p.setPen(QPen(palette::colour(palette::kInk), 1.2));
        p.setBrush(palette::colour(palette::kTurquoise));
        p.drawPath(starburst(QPointF(x, 33), 15, 6, 8));
    }

    for (int g = 1; g <= kSymbolCount; ++g) {
        const Symbol s = symbolOfGroup(g);
        const QRectF box = boxAt(g - 1);
        paintBox(p, box, isPaying(s) ? palette::kTurquoise : palette::kCherry);
        const qreal icon = box.height() - 10;
        symbols.paint(p, s, QRectF(box.left() + 5, box.top() + 5, icon, icon));
        const QRectF text(box.left() + icon + 14, box.top() + 5,
                          box.right() - icon - 24 - box.left(), box.height() - 20);
        const QRectF foot(text.left(), box.bottom() - 15, text.width(), 11);
        if (isPaying(s)) {
            paintPays(p, linePays(s), text, false);
            paintText(p, QStringLiteral("PAID PER CREDIT BET"), foot, 9, palette::kInk);
        } else if (s == Symbol::SC) {
            paintPays(p, scatterPays(), text, true);
            paintText(p, QStringLiteral("\u00D7 TOTAL BET, ANYWHERE"), foot, 9, palette::kInk);
        } else {
            paintText(p, QStringLiteral("WILD"),
                      QRectF(text.left(), text.top() + 2, text.width(), 22), 22, palette::kCherry);
            paintText(p, QStringLiteral("on reels ") + wildReels(),
                      QRectF(text.left(), text.top() + 28, text.width(), 14), 12, palette::kInk);
            paintText(p, QStringLiteral("completes line wins"),
                      QRectF(text.left(), text.top() + 44, text.width(), 13), 11, palette::kInk);
            paintText(p, QStringLiteral("AND PAYS AS SCATTER"), foot, 9, palette::kInk);
        }
    }

    const QRectF footer(20, kPayTableExitPlace.top(), kPayTableExitPlace.left() - 30, 36);
    paintText(p,
              freeSpinTriggers() + QStringLiteral(" scatters or wilds anywhere win ") +
                  freeSpinCounts() + QStringLiteral(" FREE SPINS"),
              QRectF(footer.left(), footer.top(), footer.width(), 17), 14, palette::kTurquoiseDark);
    paintText(p, QStringLiteral("Line wins pay left to right from reel 1, on played lines only."),
              QRectF(footer.left(), footer.top() + 20, footer.width(), 13), 11, palette::kInk);
    return image;
}

}  // namespace kestrel::art
