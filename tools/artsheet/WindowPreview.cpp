#include "WindowPreview.h"

#include <QPainter>

#include "ArtBook.h"
#include "ButtonPlaces.h"
#include "Geometry.h"
#include "Layout.h"
#include "ReelStrips.h"

namespace kestrel {

namespace {

void paintControls(QPainter& p, const ArtBook& book) {
    p.drawPixmap(0, 0, book.picture(Picture::Background));
    for (int m = 1; m < static_cast<int>(layout::kMarkerPlace.size()); ++m) {
        p.drawPixmap(layout::markerRect(m).topLeft(),
                     book.picture(PictureList::linepics, m == 26 ? 1 : m));
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        if (art != ButtonArt::takewin) {
            p.drawPixmap(buttonPlace(art).topLeft(),
                         book.button(art, art != ButtonArt::doublebutton));
        }
    }
}

}  // namespace

QPixmap startPreview(const ArtBook& book) {
    QPixmap window(layout::kWindow);
    QPainter p(&window);
    paintControls(p, book);
    for (int reel = 1; reel <= kReels; ++reel) {
        p.drawPixmap(layout::reelRect(reel).topLeft(),
                     book.picture(PictureList::spinlist, 11 + reel));
    }
    p.drawPixmap(layout::kInfoPlate.topLeft(), book.picture(Picture::panfreespin));
    p.drawPixmap(layout::meterCaption(layout::kBetMeter).topLeft(),
                 book.picture(Picture::LABLASTBET));
    return window;
}

QPixmap playPreview(const ArtBook& book) {
    QPixmap window(layout::kWindow);
    QPainter p(&window);
    paintControls(p, book);
    // Stop 1 on every reel shows three specials; reel 2 spins on, reel 5 has just stopped.
    const int stops[kReels + 1] = {0, 1, 1, 9, 11, 8};
    for (int reel = 1; reel <= kReels; ++reel) {
        const QPoint at = layout::reelRect(reel).topLeft();
        if (reel == 2) {
            p.drawPixmap(at, book.picture(PictureList::spinlist, 8));
            continue;
        }
        if (reel == 5) {
            p.drawPixmap(at, book.picture(columnList(reel), stops[reel]));
            continue;
        }
        for (Row row : {Row::Top, Row::Middle, Row::Bottom}) {
            const Symbol s = stopSymbol(reel, stops[reel], row);
            const int r = static_cast<int>(row);
            QPixmap cell = book.picture(PictureList::listsingles, pictureIndex(s, row));
            if (s == Symbol::SC) {
                cell = book.picture(PictureList::ScatterDanceFrames, 3 + 6 * r);
            } else if (s == Symbol::W) {
                cell = book.picture(PictureList::WildGlowFrames, 4 + 6 * r);
            }
            p.drawPixmap(at + QPoint(0, 125 * r), cell);
        }
    }
    p.drawPixmap(layout::kFreeSpinsLeft.topLeft(), book.picture(Picture::ctrlfreesleft1));
    p.drawPixmap(layout::meterCaption(layout::kBetMeter).topLeft(),
                 book.picture(Picture::LABTHISWIN));
    p.drawPixmap(layout::kGamblePanel.topLeft(), book.picture(Picture::GamblePanel));
    const QPoint panel = layout::kGamblePanel.topLeft();
    p.drawPixmap(panel + layout::gamble::kCard.topLeft(),
                 book.picture(PictureList::imagelistcards, 1));
    p.drawPixmap(panel + layout::gamble::kCard.topLeft(),
                 book.picture(PictureList::imagelistcards, 16));
    for (int i = 1; i <= 5; ++i) {
        const QPixmap icon = book.picture(PictureList::imagelistcards, 5 + (i % 4) + 1)
                                 .copy(0, 26, 103, 103)
                                 .scaled(layout::gamble::kHistorySize, Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
        p.drawPixmap(panel + QPoint(layout::gamble::kHistoryLeft[i], layout::gamble::kHistoryTop),
                     icon);
    }
    p.drawPixmap(panel + QPoint(layout::gamble::kSlideLeft, layout::gamble::kSlideRestTop),
                 book.picture(Picture::gamblewin));
    p.drawPixmap(layout::kMenuPanel.topLeft(), book.picture(Picture::MenuPanel));
    p.drawPixmap(layout::kDollarCoin.topLeft(), book.picture(Picture::dollar1));
    return window;
}

}  // namespace kestrel
