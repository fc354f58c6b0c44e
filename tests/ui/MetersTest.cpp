#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <limits>

#include "Layout.h"
#include "MoneyMeter.h"

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
// meter's frame and apart, with the divider between them.
TEST(Meters, EveryAmountStaysLegibleBesideItsDollars) {
    QWidget window;
    window.resize(layout::kWindow);
    CreditMeter credit(&window);
    WinMeter win(&window);
    const QRect creditFrame = layout::kCreditMeter;
    for (const std::int32_t amount : {0, 7, 1234, 99999, 1234567, 12345678, 987654321,
                                      std::numeric_limits<std::int32_t>::max()}) {
        credit.show(amount);
        win.show(amount);
        for (const auto& [credits, dollars, frame] :
             {std::tuple{"PANELBANK", "Lblcredit", creditFrame},
              std::tuple{"LABWIN", "lblwin", layout::kWinMeter}}) {
            const Figure left = figure(window, credits);
            const Figure right = figure(window, dollars);
            EXPECT_LE(left.width, left.place.width()) << credits << " " << amount;
            EXPECT_LE(right.width, right.place.width()) << dollars << " " << amount;
            EXPECT_LT(left.place.right(), right.place.left()) << amount;
            EXPECT_TRUE(frame.contains(left.place) && frame.contains(right.place)) << amount;
            EXPECT_GE(left.pixels, 12) << amount;
            EXPECT_GE(right.pixels, 10) << amount;
            const QWidget* divider = window.findChild<QWidget*>(QString(credits) + "divider");
            ASSERT_TRUE(divider->isVisibleTo(&window));
            EXPECT_GT(divider->x(), left.place.right());
            EXPECT_LT(divider->x(), right.place.left());
        }
    }
}

TEST(Meters, WordsTakeTheMeterWithoutADivider) {
    QWidget window;
    window.resize(layout::kWindow);
    WinMeter win(&window);
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
