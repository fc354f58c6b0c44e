#include <gtest/gtest.h>
#include <QPainter>

#include "ArtCatalogue.h"
#include "ArtTestSupport.h"
#include "ButtonArtist.h"
#include "ButtonPlaces.h"
#include "CabinetArt.h"
#include "Layout.h"

namespace kestrel {
namespace {

using test::argb;
using test::book;

// The window shows a pressed picture button by hiding it: the background must hold exactly the
// button's pressed look (the take-win button's out-of-use look) at exactly its place.
TEST(Cabinet, showsEachButtonsPressedLookAtItsPlace) {
    const QImage background = argb(book().picture(Picture::Background));
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        const QRect place = buttonPlace(art);
        const QImage pressed = art::buttonPicture(art, art::cabinetLook(art), 1);
        const QImage there = background.copy(place);
        int compared = 0;
        for (int y = 0; y < pressed.height(); ++y) {
            for (int x = 0; x < pressed.width(); ++x) {
                if (pressed.pixelColor(x, y).alpha() == 255) {
                    ASSERT_EQ(there.pixel(x, y), pressed.pixel(x, y))
                        << art::kButtonNames[i] << " at " << x << "," << y;
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, place.width() * place.height() / 2) << art::kButtonNames[i];
        // And it is not merely the raised button again.
        EXPECT_NE(argb(book().button(art, true)), pressed) << art::kButtonNames[i];
    }
}

// The bet meter's caption pictures are swapped in and out over the background: round their
// letters they must be the background's own pixels, or the swap would show a box.
TEST(Cabinet, betCaptionsBlendIntoTheMeterTheyCover) {
    const QRect strip = layout::meterCaption(layout::kBetMeter);
    const QImage under = argb(book().picture(Picture::Background)).copy(strip);
    for (Picture caption : {Picture::LABLASTBET, Picture::LABTHISWIN}) {
        const QImage image = argb(book().picture(caption));
        ASSERT_EQ(image.size(), strip.size());
        for (int y = 0; y < image.height(); ++y) {
            for (int x : {0, 1, 2, image.width() - 3, image.width() - 2, image.width() - 1}) {
                ASSERT_EQ(image.pixel(x, y), under.pixel(x, y))
                    << art::entry(caption).name << " at " << x << "," << y;
            }
        }
        EXPECT_NE(image, under) << art::entry(caption).name << " has no caption on it";
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

}  // namespace
}  // namespace kestrel
