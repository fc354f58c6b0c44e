#include <gtest/gtest.h>

#include "ArtCatalogue.h"
#include "ArtTestSupport.h"
#include "Layout.h"

namespace kestrel {
namespace {

using test::argb;
using test::book;

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
