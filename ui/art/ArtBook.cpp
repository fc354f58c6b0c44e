#include "ArtBook.h"

#include <QDebug>
#include <QImage>
#include <QPainter>

#include "ArtCatalogue.h"
#include "Geometry.h"
#include "ReelStrips.h"
#include "Symbols.h"

// The baked pictures live in a resource file compiled into this library; a static library's
// resources must be registered by hand, from the global namespace.
static void registerBakedArt() {
    Q_INIT_RESOURCE(kestrel_art);
}

namespace kestrel {

static_assert(art::entry(PictureList::imagelistcards).count == kLastRevealFrame,
              "the card list ends with the last reveal frame");

namespace {

// Decoded through QImage rather than QPixmap::load(), which would keep a copy of every picture
// in the application's pixmap cache, out of reach of forget().
QPixmap load(const QString& path, QSize expected) {
    QPixmap pixmap = QPixmap::fromImage(QImage(path));
    if (pixmap.size() != expected) {
        qWarning() << "art: picture" << path << "is" << pixmap.size() << "instead of" << expected;
        return {};
    }
    return pixmap;
}

}  // namespace

ArtBook::ArtBook()
    : pictures_(kPictureCount), buttons_(kButtonArtCount), disabledButtons_(kButtonArtCount) {
    registerBakedArt();
    for (int i = 0; i < kPictureListCount; ++i) {
        lists_[i].resize(static_cast<size_t>(art::kLists[i].count));
    }
}

const QPixmap& ArtBook::picture(PictureList list, int index) const {
    auto& cache = lists_[static_cast<int>(list)];
    if (index < 1 || index > static_cast<int>(cache.size())) {
        return null_;
    }
    return cache[static_cast<size_t>(index - 1)].get([&] {
        if (const int reel = reelOfColumnList(list); reel != 0) {
            return column(reel, index);
        }
        return load(art::listPath(list, index), art::entry(list).size);
    });
}

// A column shows the three single-cell pictures of its stop, so it can never disagree with the
// strip table or with the cells that replace it when the reel settles.
QPixmap ArtBook::column(int reel, int stop) const {
    QPixmap column(layout::kReelPicture);
    column.fill(Qt::transparent);
    QPainter painter(&column);
    for (int row = 0; row < kRows; ++row) {
        const Row r = static_cast<Row>(row);
        painter.drawPixmap(
            0, layout::kCell.height() * row,
            picture(PictureList::listsingles, pictureIndex(stopSymbol(reel, stop, r), r)));
    }
    return column;
}

int ArtBook::count(PictureList list) const {
    return static_cast<int>(lists_[static_cast<int>(list)].size());
}

const QPixmap& ArtBook::picture(Picture picture) const {
    return pictures_[static_cast<size_t>(picture)].get(
        [&] { return load(art::picturePath(picture), art::entry(picture).size); });
}

const QPixmap& ArtBook::button(ButtonArt art, bool enabled) const {
    auto& cache = enabled ? buttons_ : disabledButtons_;
    return cache[static_cast<size_t>(art)].get(
        [&] { return load(art::buttonPath(art, enabled), buttonPlace(art).size()); });
}

void ArtBook::forget(Picture picture) const {
    pictures_[static_cast<size_t>(picture)].forget();
}

void ArtBook::forget(PictureList list, int index) const {
    auto& cache = lists_[static_cast<int>(list)];
    if (index >= 1 && index <= static_cast<int>(cache.size())) {
        cache[static_cast<size_t>(index - 1)].forget();
    }
}

void ArtBook::forgetButton(ButtonArt art, bool enabled) const {
    (enabled ? buttons_ : disabledButtons_)[static_cast<size_t>(art)].forget();
}

QString ArtBook::listName(PictureList list) {
    return QString::fromLatin1(art::entry(list).name);
}

}  // namespace kestrel
