#include "ArtBook.h"

#include <QColor>
#include <QPainter>

#include "Geometry.h"
#include "ReelStrips.h"
#include "Symbols.h"

// Placeholder art: plain labelled boxes of the right sizes, until the drawn art lands.
namespace kestrel {

namespace {

QPixmap box(QSize size, QColor colour, const QString& text) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.drawText(pixmap.rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pixmap;
}

const char* const kSymbolNames[] = {"", "GIRL", "JUKE", "BADGE", "VAN", "GUITAR", "WAITRESS",
                                    "K", "Q", "J", "9", "SCATTER", "WILD"};

}  // namespace

ArtBook::ArtBook() {
    auto& singles = lists_[static_cast<int>(PictureList::listsingles)];
    for (int g = 1; g <= kSymbolCount; ++g) {
        for (int row = 0; row < 3; ++row) {
            singles.push_back(box({125, 125}, QColor::fromHsv(g * 28 % 360, 90, 240),
                                  kSymbolNames[g]));
        }
    }
    for (int reel = 1; reel <= kReels; ++reel) {
        auto& columns = lists_[static_cast<int>(columnList(reel))];
        for (int stop = 1; stop <= kStops; ++stop) {
            QPixmap column(125, 375);
            QPainter p(&column);
            for (int row = 0; row < 3; ++row) {
                const Symbol s = stopSymbol(reel, stop, static_cast<Row>(row));
                p.drawPixmap(0, 125 * row, singles[pictureIndex(s, static_cast<Row>(row)) - 1]);
            }
            columns.push_back(column);
        }
    }
    auto& spin = lists_[static_cast<int>(PictureList::spinlist)];
    for (int i = 1; i <= 16; ++i) {
        spin.push_back(box({125, 375}, i == 11 ? QColor(250, 245, 230) : QColor(200, 200, 220),
                           i <= 10 ? QStringLiteral("blur %1").arg(i)
                                   : i == 11 ? QString() : QStringLiteral("reel %1").arg(i - 11)));
    }
    for (PictureList list : {PictureList::ImageList1, PictureList::ImageList2}) {
        for (int i = 1; i <= 18; ++i) {
            lists_[static_cast<int>(list)].push_back(
                box({125, 125}, list == PictureList::ImageList1 ? Qt::yellow : Qt::green,
                    QStringLiteral("%1").arg(i)));
        }
    }
    for (int i = 1; i <= 50; ++i) {
        lists_[static_cast<int>(PictureList::linepics)].push_back(
            box({45, 25}, i <= 25 ? Qt::white : Qt::gray, QString::number((i - 1) % 25 + 1)));
    }
    for (int i = 1; i <= 24; ++i) {
        lists_[static_cast<int>(PictureList::imagelistcards)].push_back(
            box({103, 156}, i == 5 ? Qt::darkRed : Qt::white, QString::number(i)));
    }
    const QSize pictureSizes[] = {{800, 600}, {41, 49},   {49, 33},   {473, 57},  {569, 89},
                                  {577, 57},  {150, 30},  {150, 30},  {578, 96},  {400, 110},
                                  {106, 13},  {106, 13},  {256, 362}, {168, 188}, {600, 450},
                                  {256, 256}};
    for (const QSize& size : pictureSizes) {
        pictures_.push_back(box(size, QColor(230, 220, 200), QString()));
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        buttons_.push_back(box({68, 30}, QColor(220, 60, 60), QString::number(i)));
        disabledButtons_.push_back(box({68, 30}, Qt::lightGray, QString::number(i)));
    }
}

const QPixmap& ArtBook::picture(PictureList list, int index) const {
    const auto& pictures = lists_[static_cast<int>(list)];
    if (index < 1 || index > static_cast<int>(pictures.size())) {
        return null_;
    }
    return pictures[index - 1];
}

int ArtBook::count(PictureList list) const {
    return static_cast<int>(lists_[static_cast<int>(list)].size());
}

const QPixmap& ArtBook::picture(Picture picture) const {
    return pictures_[static_cast<int>(picture)];
}

const QPixmap& ArtBook::button(ButtonArt art, bool enabled) const {
    return (enabled ? buttons_ : disabledButtons_)[static_cast<int>(art)];
}

QString ArtBook::listName(PictureList list) {
    static const char* const names[] = {"spinlist",   "bounceone",  "bouncetwo",
                                        "bouncethree", "bouncefour", "bouncefive",
                                        "listsingles", "ImageList1", "ImageList2",
                                        "linepics",    "imagelistcards"};
    return QString::fromLatin1(names[static_cast<int>(list)]);
}

}  // namespace kestrel
