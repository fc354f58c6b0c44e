#include <gtest/gtest.h>
#include <QColor>

#include "ArtCatalogue.h"
#include "ArtTestSupport.h"
#include "ButtonPlaces.h"
#include "Geometry.h"
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

}  // namespace
}  // namespace kestrel
