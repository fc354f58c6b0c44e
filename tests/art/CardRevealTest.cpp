#include <gtest/gtest.h>

#include "ArtTestSupport.h"

namespace kestrel {
namespace {

using test::argb;
using test::book;

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
