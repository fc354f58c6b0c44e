#include <gtest/gtest.h>
#include <QColor>

#include "ArtCatalogue.h"
#include "ArtTestSupport.h"
#include "ButtonPlaces.h"
#include "Geometry.h"
#include "Layout.h"
#include "LineColours.h"

namespace kestrel {
namespace {

using test::argb;
using test::book;

TEST(ArtBook, everyListHoldsItsCountOfPicturesAtItsSize) {
    for (int i = 0; i < kPictureListCount; ++i) {
        const auto list = static_cast<PictureList>(i);
        const art::ListEntry& e = art::entry(list);
        ASSERT_EQ(book().count(list), e.count) << e.name;
        for (int k = 1; k <= e.count; ++k) {
            const QPixmap& p = book().picture(list, k);
            ASSERT_FALSE(p.isNull()) << e.name << " " << k;
            EXPECT_EQ(p.size(), e.size) << e.name << " " << k;
        }
        EXPECT_TRUE(book().picture(list, 0).isNull()) << e.name;
        EXPECT_TRUE(book().picture(list, e.count + 1).isNull()) << e.name;
    }
}

TEST(ArtBook, everySinglePictureAndButtonLoadsAtItsSize) {
    for (int i = 0; i < kPictureCount; ++i) {
        const auto picture = static_cast<Picture>(i);
        const QPixmap& p = book().picture(picture);
        ASSERT_FALSE(p.isNull()) << art::entry(picture).name;
        EXPECT_EQ(p.size(), art::entry(picture).size) << art::entry(picture).name;
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        for (bool enabled : {true, false}) {
            const QPixmap& p = book().button(art, enabled);
            ASSERT_FALSE(p.isNull()) << art::kButtonNames[i];
            EXPECT_EQ(p.size(), buttonPlace(art).size()) << art::kButtonNames[i];
        }
    }
}

TEST(ArtBook, aPictureAskedForTwiceIsTheSamePicture) {
    const QPixmap& first = book().picture(PictureList::bouncethree, 7);
    const QPixmap& again = book().picture(PictureList::bouncethree, 7);
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
}

TEST(ArtBook, litMarkersShineInTheirLinesColourAndDimmedOnesDoNot) {
    for (int line = 1; line <= kLines; ++line) {
        const QColor lineColour = QColor::fromRgba(kLineColour[line]);
        // A point of the lamp clear of the number and of the gloss.
        const QColor lit = argb(book().picture(PictureList::linepics, line)).pixelColor(7, 14);
        const QColor dim = argb(book().picture(PictureList::linepics, line + 25)).pixelColor(7, 14);
        const int hueGap = std::abs(lit.hsvHue() - lineColour.hsvHue());
        EXPECT_LE(std::min(hueGap, 360 - hueGap), 12) << "line " << line;
        EXPECT_LT(dim.value(), lit.value()) << "line " << line;
        EXPECT_LT(dim.hsvSaturation(), lit.hsvSaturation()) << "line " << line;
    }
}

double meanSaturation(const QImage& image) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255) {
                sum += c.hsvSaturation();
                ++n;
            }
        }
    }
    return n == 0 ? 0 : sum / n;
}

TEST(ArtBook, disabledButtonsAreGreyedVersionsOfTheirButtons) {
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        const QImage raised = argb(book().button(art, true));
        const QImage disabled = argb(book().button(art, false));
        EXPECT_LT(meanSaturation(disabled), 0.6 * meanSaturation(raised)) << art::kButtonNames[i];
        // Same outline: where one is transparent, so is the other.
        EXPECT_EQ(raised.pixelColor(0, 0).alpha(), disabled.pixelColor(0, 0).alpha());
        EXPECT_EQ(raised.pixelColor(raised.width() / 2, raised.height() / 2).alpha(), 255);
    }
}

// The free-spin banners end short of the counter's chromed window beside them: shown over the
// cabinet they must not cover its frame.
TEST(Cabinet, freeSpinBannersLeaveTheCountersWindowClear) {
    const QRect window = layout::kSpinsLeftCount.adjusted(-4, -4, 4, 4);
    for (const auto& [picture, place] :
         {std::pair{Picture::ctlfrees1, layout::kFreeSpinsWon},
          std::pair{Picture::ctrlfreesleft1, layout::kFreeSpinsLeft},
          std::pair{Picture::freespinscompleted1, layout::kFreeSpinsCompleted}}) {
        const QImage image = argb(book().picture(picture));
        const QRect overlap = window.intersected(place).translated(-place.topLeft());
        for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
            for (int x = overlap.left(); x <= overlap.right(); ++x) {
                ASSERT_EQ(image.pixelColor(x, y).alpha(), 0)
                    << art::entry(picture).name << " at " << x << "," << y;
            }
        }
    }
}

// Under every reel the cabinet is dark, so a reel picture that failed to show would be obvious,
// and every marker place has a socket darker than the lit marker that covers it.
TEST(Cabinet, hasAnUnlitSocketAtEveryMarkerPlace) {
    const QImage background = argb(book().picture(Picture::Background));
    for (int marker = 1; marker < static_cast<int>(layout::kMarkerPlace.size()); ++marker) {
        const QRect place = layout::markerRect(marker);
        const QColor socket = background.pixelColor(place.center());
        const int line = marker == 26 ? 1 : marker;
        const QColor lit = argb(book().picture(PictureList::linepics, line)).pixelColor(7, 14);
        EXPECT_LT(socket.value(), lit.value()) << "marker " << marker;
        EXPECT_LT(socket.value(), 80) << "marker " << marker;
    }
}

constexpr int kBack = 5;
constexpr int kFirstReveal = 10;
constexpr int kLastReveal = 24;

int transparentPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixelColor(x, y).alpha() == 0;
        }
    }
    return n;
}

TEST(CardReveal, theBackPeelsAwayFurtherWithEveryFrame) {
    const int cardArea = 103 * 156;
    const int backGone =
        transparentPixels(argb(book().picture(PictureList::imagelistcards, kBack)));
    int previous = backGone;
    for (int k = kFirstReveal; k <= kLastReveal; ++k) {
        const int gone = transparentPixels(argb(book().picture(PictureList::imagelistcards, k)));
        EXPECT_GT(gone, previous) << "frame " << k;
        previous = gone;
    }
    // The first frame lifts only a corner; by the last, most of the face shows.
    EXPECT_LT(transparentPixels(argb(book().picture(PictureList::imagelistcards, kFirstReveal))),
              backGone + cardArea / 20);
    EXPECT_GT(previous, cardArea / 2);
}

// Outside its rounded corners a card is see-through, faces and back alike, so the felt shows.
TEST(CardReveal, cardsAreTransparentOutsideTheirRoundedCorners) {
    for (int k = 1; k <= 5; ++k) {
        const QImage card = argb(book().picture(PictureList::imagelistcards, k));
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(102, 0), QPoint(0, 155), QPoint(102, 155)}) {
            EXPECT_EQ(card.pixelColor(corner).alpha(), 0) << "card " << k;
        }
        EXPECT_EQ(card.pixelColor(51, 78).alpha(), 255) << "card " << k;
    }
}

}  // namespace
}  // namespace kestrel
