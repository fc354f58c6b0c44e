#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "ArtBook.h"
#include "ButtonPlaces.h"
#include "Layout.h"

// What the art book holds and under which names. The baker that renders the pictures at build
// time and the book that loads them both read this table, so they cannot disagree.
namespace kestrel::art {

struct ListEntry {
    const char* name;
    int count;
    QSize size;
    bool baked;  // false: the book composes the list from other lists
};

inline constexpr QSize kCardSize(103, 156);

inline constexpr std::array<ListEntry, kPictureListCount> kLists = {{
    {"spinlist", 16, layout::kReelPicture, true},
    {"bounceone", 22, layout::kReelPicture, false},
    {"bouncetwo", 22, layout::kReelPicture, false},
    {"bouncethree", 22, layout::kReelPicture, false},
    {"bouncefour", 22, layout::kReelPicture, false},
    {"bouncefive", 22, layout::kReelPicture, false},
    {"listsingles", 36, layout::kCell, true},
    {"ImageList1", 18, layout::kCell, true},
    {"ImageList2", 18, layout::kCell, true},
    {"linepics", 50, layout::kMarker, true},
    {"imagelistcards", 24, kCardSize, true},
}};

constexpr const ListEntry& entry(PictureList list) {
    return kLists[static_cast<int>(list)];
}

struct PictureEntry {
    const char* name;
    QSize size;
};

inline constexpr std::array<PictureEntry, kPictureCount> kPictures = {{
    {"Background", layout::kWindow},
    {"dollar1", layout::kDollarCoin.size()},
    {"halfcoin1", layout::kHalfCoin.size()},
    {"ctlfrees1", layout::kFreeSpinsWon.size()},
    {"ctrlfreesleft1", layout::kFreeSpinsLeft.size()},
    {"freespinscompleted1", layout::kFreeSpinsCompleted.size()},
    {"gamblewin", layout::gamble::kSlideSize},
    {"gamblelose", layout::gamble::kSlideSize},
    {"panfreespin", layout::kInfoPlate.size()},
    {"pannomoney", layout::kNoCreditPanel.size()},
    {"LABLASTBET", layout::meterCaption(layout::kBetMeter).size()},
    {"LABTHISWIN", layout::meterCaption(layout::kBetMeter).size()},
    {"GamblePanel", layout::kGamblePanel.size()},
    {"MenuPanel", layout::kMenuPanel.size()},
    {"PayTable", QSize(600, 450)},
    {"AppIcon", QSize(256, 256)},
}};

// The corner of the pay table picture left plain for the pay table window's " EXIT" button.
inline constexpr QRect kPayTableExitPlace(470, 402, 114, 36);

constexpr const PictureEntry& entry(Picture picture) {
    return kPictures[static_cast<int>(picture)];
}

inline constexpr std::array<const char*, kButtonArtCount> kButtonNames = {
    "Play1",       "Play2",        "Play3",   "Play4",   "Play5",       "Play6",      "Line1",
    "Line2",       "Line3",        "Line4",   "Line5",   "coinsin",     "notes",      "autoplayon",
    "autoplayoff", "doublebutton", "takewin", "cmdexit", "btnopenmenu", "btnoptions",
};

// Resource paths of the baked pictures, one file per picture so each is decoded only when the
// window first asks for it.
inline QString listPath(PictureList list, int index) {
    return QStringLiteral(":/art/%1-%2.png").arg(QLatin1String(entry(list).name)).arg(index);
}
inline QString picturePath(Picture picture) {
    return QStringLiteral(":/art/%1.png").arg(QLatin1String(entry(picture).name));
}
inline QString buttonPath(ButtonArt art, bool enabled) {
    return QStringLiteral(":/art/button-%1%2.png")
        .arg(QLatin1String(kButtonNames[static_cast<int>(art)]),
             enabled ? QString() : QStringLiteral("-disabled"));
}

}  // namespace kestrel::art
