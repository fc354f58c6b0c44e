#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <limits>

#include "Layout.h"
#include "MoneyMeter.h"
#include "PictureBook.h"

namespace kestrel::ui {
namespace {

struct Figure {
    QRect place;
    int width;   // the text's own width
    int pixels;  // its font size
};

Figure figure(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(name);
    const QFontMetrics metrics(label->font());
    return {label->geometry(), metrics.horizontalAdvance(label->text()), label->font().pixelSize()};
}

// Up to the most the credit can hold, both figures of a meter are whole, readable, inside the
// meter's frame and apart, with the divider between them: on the machine's own 800 × 600 and
// shown full screen at 3.6 times that.
TEST(Meters, EveryAmountStaysLegibleBesideItsDollarsAtEveryScale) {
    for (const qreal scale : {1.0, 3.6}) {
        QWidget window;
        Presentation presentation(&window, test::book());
        CreditMeter credit(&window, presentation);
        WinMeter win(&window, presentation);
        presentation.setScale(scale);
        window.resize(presentation.size(layout::kWindow));
        for (const std::int32_t amount : {0, 7, 1234, 99999, 1234567, 12345678, 987654321,
                                          std::numeric_limits<std::int32_t>::max()}) {
            credit.show(amount);
            win.show(amount);
            for (const auto& [credits, dollars, frame] :
                 {std::tuple{"PANELBANK", "Lblcredit", layout::kCreditMeter},
                  std::tuple{"LABWIN", "lblwin", layout::kWinMeter}}) {
                const Figure left = figure(window, credits);
                const Figure right = figure(window, dollars);
                SCOPED_TRACE(testing::Message() << credits << " " << amount << " at " << scale);
                EXPECT_LE(left.width, left.place.width());
                EXPECT_LE(right.width, right.place.width());
                EXPECT_LT(left.place.right(), right.place.left());
                EXPECT_TRUE(presentation.rect(frame).contains(left.place) &&
                            presentation.rect(frame).contains(right.place));
                EXPECT_GE(left.pixels, 12 * scale);
                EXPECT_GE(right.pixels, 10 * scale);
                const QWidget* divider = window.findChild<QWidget*>(QString(credits) + "divider");
                ASSERT_TRUE(divider->isVisibleTo(&window));
                EXPECT_GT(divider->x(), left.place.right());
                EXPECT_LT(divider->x(), right.place.left());
            }
        }
    }
}

TEST(Meters, WordsTakeTheMeterWithoutADivider) {
    QWidget window;
    window.resize(layout::kWindow);
    Presentation presentation(&window, test::book());
    WinMeter win(&window, presentation);
    win.show(440);
    win.goodLuck();
    const Figure words = figure(window, "LABWIN");
    EXPECT_LE(words.width, words.place.width());
    EXPECT_EQ(words.pixels, 20);
    EXPECT_FALSE(window.findChild<QWidget*>("LABWINdivider")->isVisibleTo(&window));
    win.noWin();
    EXPECT_FALSE(window.findChild<QWidget*>("LABWINdivider")->isVisibleTo(&window));
}

}  // namespace
}  // namespace kestrel::ui
