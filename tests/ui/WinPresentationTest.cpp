#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <functional>
#include <optional>

#include "Credits.h"
#include "LineFlash.h"
#include "LineOverlay.h"
#include "Paylines.h"
#include "ReelWindow.h"
#include "WinCounter.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;

// The overlay is masked to its lines, so that showing or hiding it repaints only what they cover;
// the mask must hold every pixel a line paints, at any scale, or the line would be cut.
TEST(LineOverlayMask, HoldsEveryPixelOfTheLinesAndLittleElse) {
    for (const qreal scale : {1.0, 1.3744, 3.6}) {
        QWidget window;
        Presentation presentation(&window, test::WindowFixture::art());
        presentation.setScale(scale);
        ui::LineOverlay overlay(&window, presentation);
        for (const std::vector<int>& lines : {std::vector<int>{1}, std::vector<int>{4, 9, 23}}) {
            overlay.drawLines(lines);
            const QRegion mask = overlay.mask();
            ASSERT_FALSE(mask.isEmpty());
            EXPECT_LT(mask.boundingRect().height(), overlay.height() * 3 / 4) << scale;
            overlay.clearMask();
            QImage painted(overlay.size(), QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::transparent);
            overlay.render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);
            overlay.drawLines(lines);  // masked again
            int outside = 0;
            for (int y = 0; y < painted.height(); ++y) {
                for (int x = 0; x < painted.width(); ++x) {
                    outside += qAlpha(painted.pixel(x, y)) != 0 && !mask.contains(QPoint(x, y));
                }
            }
            EXPECT_EQ(outside, 0) << "lines " << lines.front() << " at " << scale;
        }
        overlay.hideLine();
        EXPECT_FALSE(overlay.isVisible());
    }
}

TEST(RollUp, LargerWinsAccelerateThroughTheSteps) {
    ui::RollUp roll{0, 1};
    std::vector<std::int64_t> shown;
    while (!roll.tick(250, true)) {
        shown.push_back(roll.count);
    }
    ASSERT_EQ(shown.size(), 107u);
    EXPECT_EQ(shown[99], 100);
    EXPECT_EQ(std::vector<std::int64_t>(shown.begin() + 100, shown.end()),
              (std::vector<std::int64_t>{101, 115, 129, 149, 169, 199, 229}));
}

TEST(RollUp, OffShowsTheWholeWinOnTheFirstTick) {
    ui::RollUp roll{0, 1};
    EXPECT_TRUE(roll.tick(30000, false));
}

// After take-win the step is zero; a count started then must still reach its win.
TEST(RollUp, CountWithoutAStepStillFinishes) {
    ui::RollUp roll{0, 0};
    int ticks = 1;
    while (!roll.tick(5, true) && ticks < 100) {
        ++ticks;
    }
    EXPECT_EQ(ticks, 5);
}

class WinPresentation : public test::WindowFixture {
protected:
    const ui::LineOverlay& overlay() const { return window->lineOverlay(); }
    bool lineShown() const { return overlay().segment(1).visible; }
    // Credit 1000, roll-up on: two specials at 25 lines × 10 win the total bet, 250, whose count
    // is under way when this returns.
    void startCountingAWinOf250() {
        storePlayer(1000);
        settings.setValue("player1", "winroll", "1");
        open();
        startSpin({1, 1, 2, 1, 1}, 5);
        clock.advance(1550);  // reels done, settled, the count under way
    }
};

TEST_F(WinPresentation, WinRollsUpAndTheCreditFollowsAtTheEnd) {
    startCountingAWinOf250();
    EXPECT_EQ(window->machine().player().bank, 1000);
    EXPECT_EQ(text("PANELBANK"), "750");  // still the credit before the win
    clock.advance(50 * 60);
    EXPECT_EQ(text("PANELBANK"), "750");
    EXPECT_LT(text("LABWIN").toInt(), 100);
    clock.advance(50 * 60);
    EXPECT_EQ(text("LABWIN"), "250");
    EXPECT_EQ(text("lblwin"), "$ 2.5");
    EXPECT_EQ(text("PANELBANK"), "1000");
    EXPECT_FALSE(timer("Timerwincounter")->isActive());
}

// Money put in while a win rolls up joins the credit at once; the win itself still waits for
// the count to finish.
TEST_F(WinPresentation, MoneyInsertedDuringTheCountLeavesTheWinToTheCount) {
    startCountingAWinOf250();
    ASSERT_TRUE(timer("Timerwincounter")->isActive());
    press("notes");
    EXPECT_EQ(text("PANELBANK"), QString::number(750 + kNoteCredits));
    press("coinsin");
    clock.advance(400);  // two coins in
    ASSERT_TRUE(timer("Timerwincounter")->isActive());
    EXPECT_EQ(text("PANELBANK"), QString::number(750 + kNoteCredits + 2 * kCoinCredits));
    EXPECT_LT(text("LABWIN").toInt(), 250);
    clock.advance(50 * 150);
    EXPECT_EQ(text("LABWIN"), "250");
    EXPECT_EQ(text("PANELBANK"), QString::number(1000 + kNoteCredits + kCoinPressCredits));
}

TEST_F(WinPresentation, FlashAlternatesTheWinningLinesAboutASecondEach) {
    openWith(1000);
    press("payline3");  // ten lines: 3 (two nines) and 7 win
    startSpin({2, 3, 1, 1, 1});
    clock.advance(1500);
    ASSERT_TRUE(timer("tmrlineflash")->isActive());
    std::vector<int> order;
    for (int t = 0; t < 40; ++t) {
        clock.advance(200);
        const int line = window->lineFlash().flashLine();
        if (order.empty() || order.back() != line) {
            order.push_back(line);
        }
    }
    ASSERT_GE(order.size(), 6u);
    for (size_t i = 1; i < order.size(); ++i) {
        EXPECT_NE(order[i], order[i - 1]);
        EXPECT_TRUE(order[i] == 3 || order[i] == 7);
    }
}

// A new win is shown from its first winning line, drawn on the first tick and given its whole
// turn, wherever the flash of the win before it was cut off by the press.
TEST_F(WinPresentation, EveryWinFlashesFromItsFirstLineWhereverTheLastFlashStopped) {
    openWith(1000);
    press("payline3");  // ten lines: 3 and 7 win
    const auto spinAndWaitForTheFlash = [&] {
        startSpin({2, 3, 1, 1, 1});
        ASSERT_TRUE(advanceUntil([&] { return timer("tmrlineflash")->isActive(); }, 3000));
    };
    spinAndWaitForTheFlash();
    ASSERT_TRUE(advanceUntil([&] { return window->lineFlash().flashLine() == 7; }, 3000));
    clock.advance(200);  // line 7 part-way through its turn
    ASSERT_EQ(window->lineFlash().flashLine(), 7);

    spinAndWaitForTheFlash();
    std::vector<bool> drawn;
    for (int t = 0; t < 5; ++t) {
        clock.advance(200);
        EXPECT_EQ(window->lineFlash().flashLine(), 3) << "tick " << t + 1;
        drawn.push_back(lineShown());
    }
    EXPECT_EQ(drawn, (std::vector<bool>{true, false, true, false, false}));
}

TEST_F(WinPresentation, LineOneBlinksBothItsMarkersAgainstTheLine) {
    openWith(1000);
    startSpin({5, 5, 5, 1, 1});  // only line 1 wins, three symbols
    clock.advance(1500);
    bool sawLit = false, sawDark = false;
    for (int t = 0; t < 10; ++t) {
        clock.advance(200);
        const bool lit = lineShown();
        EXPECT_EQ(control("lin1")->isVisible(), !lit);
        EXPECT_EQ(control("lin26")->isVisible(), !lit);
        (lit ? sawLit : sawDark) = true;
    }
    EXPECT_TRUE(sawLit && sawDark);
    EXPECT_EQ(overlay().segment(1).colour, QColor(0x00, 0xFF, 0xFF));
}

TEST_F(WinPresentation, TwoSymbolWinBlinksOnlyReelsOneAndTwo) {
    openWith(1000);
    startSpin({2, 5, 2, 1, 1});  // line 19 wins with two nines
    clock.advance(1500);
    const int cells[] = {lineCell(19, 1), lineCell(19, 2), lineCell(19, 3), lineCell(19, 4),
                         lineCell(19, 5)};
    std::array<bool, 5> everHidden{};
    for (int t = 0; t < 15; ++t) {
        clock.advance(200);
        for (int r = 0; r < 5; ++r) {
            everHidden[r] |= !control(QStringLiteral("flasher%1").arg(cells[r]))->isVisible();
        }
    }
    EXPECT_EQ(everHidden, (std::array<bool, 5>{true, true, false, false, false}));
}

TEST_F(WinPresentation, CompletingWildStaysLitWhileTheOthersBlink) {
    openWith(1000);
    startSpin({2, 6, 10, 1, 1});  // line 6: the wild on reel 3 completes three
    clock.advance(1500);
    const int wild = window->machine().records().wildCell[3];
    ASSERT_EQ(wild, lineCell(6, 3));
    bool reelOneHidden = false;
    for (int t = 0; t < 15; ++t) {
        clock.advance(200);
        EXPECT_TRUE(control(QStringLiteral("flasher%1").arg(wild))->isVisible());
        reelOneHidden |= !control(QStringLiteral("flasher%1").arg(lineCell(6, 1)))->isVisible();
    }
    EXPECT_TRUE(reelOneHidden);
}

TEST_F(WinPresentation, ScatterOnlyWinStartsNoFlash) {
    openWith(1000);
    startSpin({1, 1, 2, 1, 1});
    clock.advance(1500);
    EXPECT_GT(window->machine().spinWin(), 0);
    EXPECT_FALSE(timer("tmrlineflash")->isActive());
    EXPECT_TRUE(timer("Timerscatters")->isActive());
}

// Whatever interrupts the line flash, the line it drew goes and the marker it blanked comes back.
struct Interruption {
    const char* name;
    std::function<void(test::WindowFixture&)> act;
    std::optional<bool> cellsStay;  // none while the reels turn
};
void PrintTo(const Interruption& i, std::ostream* out) {
    *out << i.name;
}

class FlashInterrupted : public WinPresentation,
                         public ::testing::WithParamInterface<Interruption> {};

TEST_P(FlashInterrupted, LeavesNoLineAndEveryMarker) {
    openWith(1000);
    startSpin({5, 5, 5, 1, 1});  // only line 1 wins
    clock.advance(1500);
    for (int t = 0; t < 20 && control("lin1")->isVisible(); ++t) {
        clock.advance(200);
    }
    ASSERT_FALSE(control("lin1")->isVisible());  // caught with its line drawn
    ASSERT_TRUE(lineShown());
    GetParam().act(*this);
    clock.advance(1000);
    EXPECT_FALSE(timer("tmrlineflash")->isActive());
    for (int j = 1; j <= ui::kMaxSegments; ++j) {
        EXPECT_FALSE(overlay().segment(j).visible) << j;
    }
    for (int m = 1; m <= ui::kMarkers; ++m) {
        EXPECT_TRUE(control(QStringLiteral("lin%1").arg(m))->isVisible()) << m;
    }
    if (const std::optional<bool> cellsStay = GetParam().cellsStay) {
        EXPECT_EQ(cellsShown(), *cellsStay ? kCells : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, FlashInterrupted,
    ::testing::Values(
        Interruption{"Options",
                     [](test::WindowFixture& f) {
                         f.press("btnoptions");
                         auto* original = f.inDialog<QPushButton>("cmdorigonal");
                         ASSERT_NE(original, nullptr);
                         original->click();
                     },
                     false},
        Interruption{"Gamble", [](test::WindowFixture& f) { f.press("doublebutton"); }, true},
        Interruption{"Coins", [](test::WindowFixture& f) { f.press("coinsin"); }, true},
        Interruption{"LineButton", [](test::WindowFixture& f) { f.press("payline2"); }, false},
        Interruption{"NextSpin", [](test::WindowFixture& f) { f.startSpin(kLosingStops); },
                     std::nullopt}),
    [](const ::testing::TestParamInfo<Interruption>& info) { return info.param.name; });

}  // namespace
}  // namespace kestrel
