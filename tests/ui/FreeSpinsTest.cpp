#include <gtest/gtest.h>

#include <QPushButton>

#include "CabinetMode.h"
#include "CreditLimit.h"
#include "FeatureBanners.h"
#include "Sounds.h"
#include "WildGlow.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;

using test::kLosingStops;
using test::kThreeSpecials;

class FreeSpins : public test::WindowFixture {
protected:
    bool visible(const char* name) const { return control(name)->isVisible(); }
};

TEST_F(FreeSpins, FirstTriggerAnnouncesTenSpinsAndCountsThemDown) {
    openWith(1000);
    spin(kThreeSpecials);
    EXPECT_EQ(window->machine().freeSpins().awarded(), 11);
    EXPECT_EQ(window->machine().freeSpins().played(), 1);
    EXPECT_EQ(sounds.count(sound::kFreeSpinsWon), 1);
    ASSERT_EQ(sounds.entries.back().resource, sound::kFreeSpinTune);
    EXPECT_TRUE(sounds.entries.back().loop);
    EXPECT_FALSE(visible("panfreespin"));
    EXPECT_TRUE(visible("LABTHISWIN"));
    EXPECT_FALSE(visible("lbllast"));
    EXPECT_FALSE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("notes")->isEnabled());
    EXPECT_FALSE(window->keysEnabled());
    EXPECT_EQ(text("LABWIN"), "125");
    clock.advance(2500);  // the blink is over
    EXPECT_TRUE(visible("ctrlfreesleft1"));
    EXPECT_EQ(text("spinsleft"), "10");
    // The trigger's win waits for take-win.
    EXPECT_EQ(window->machine().player().bank, 975);

    for (int left = 9; left >= 1; --left) {
        playFreeSpins(1);
        EXPECT_EQ(text("spinsleft"), QString::number(left));
    }
    EXPECT_EQ(sounds.count(sound::kReelStop), 5);  // the paid spin's stops only
    playFreeSpins(1);
    EXPECT_TRUE(window->machine().featureCompleted());
    EXPECT_EQ(sounds.entries.back().resource, sound::kFeatureComplete);
    EXPECT_TRUE(visible("freespinscompleted1"));
    EXPECT_TRUE(visible("takewin"));
    EXPECT_TRUE(control("takewin")->isEnabled());
    EXPECT_FALSE(visible("spinsleft"));
    EXPECT_FALSE(window->keysEnabled());
    clock.advance(20000);  // the machine waits for the player
    EXPECT_TRUE(random.exhausted());
    EXPECT_TRUE(window->machine().featureCompleted());

    press("takewin");
    EXPECT_EQ(window->machine().player().bank, 1100);
    EXPECT_EQ(sounds.entries.back().resource, sound::kWinTaken);
    EXPECT_TRUE(visible("panfreespin"));
    EXPECT_TRUE(visible("lbllast"));
    EXPECT_FALSE(visible("takewin"));
    EXPECT_TRUE(control("doublebutton")->isEnabled());
    EXPECT_TRUE(control("pplay1")->isEnabled());
    EXPECT_TRUE(window->keysEnabled());
    EXPECT_EQ(text("PANELBANK"), "1100");
}

// Re-triggers can leave a hundred spins and more to play: the count shrinks to fit its window
// rather than run over its frame, and is back to full size for a count of two digits.
TEST_F(FreeSpins, ACountOfThreeDigitsOrMoreFitsItsWindow) {
    open();
    auto* banners = window->findChild<ui::FeatureBanners*>();
    auto* count = control<QLabel>("spinsleft");
    const int fullSize = count->font().pixelSize();
    for (const int left : {160, 32767}) {
        banners->showSpinsLeft(left);
        EXPECT_LE(count->fontMetrics().horizontalAdvance(count->text()), count->width()) << left;
    }
    banners->showSpinsLeft(99);
    EXPECT_EQ(count->font().pixelSize(), fullSize);
    EXPECT_LE(count->fontMetrics().horizontalAdvance(count->text()), count->width());
}

TEST_F(FreeSpins, RetriggerExtendsQuietlyAndCountsAsAFeatureWon) {
    openWith(1000);
    spin(kThreeSpecials);
    playFreeSpins(1);
    sounds.entries.clear();
    random.pushSpin(kThreeSpecials);
    advanceUntil([&] { return window->machine().freeSpins().played() >= 3; }, 8000);
    clock.advance(4000);
    EXPECT_EQ(window->machine().freeSpins().awarded(), 22);
    EXPECT_EQ(window->machine().player().howmanyspins, 2);
    EXPECT_EQ(sounds.count(sound::kFreeSpinsWon), 0);
    EXPECT_EQ(sounds.count(sound::kFreeSpinTune), 0);
    EXPECT_EQ(text("spinsleft"), "19");
}

TEST_F(FreeSpins, WithSoundsOffTheFeaturePlaysSilently) {
    openWith(1000, 1, false);
    spin(kThreeSpecials);
    playFreeSpins(10);
    EXPECT_TRUE(window->machine().featureCompleted());
    press("takewin");
    EXPECT_TRUE(sounds.entries.empty());
}

TEST_F(FreeSpins, AutoplayCannotBeSwitchedOnUntilTheWinIsTaken) {
    openWith(1000);
    spin(kThreeSpecials);
    random.pushSpin(kLosingStops);
    advanceUntil([&] { return window->machine().phase() == Machine::Phase::Spinning; }, 10000);
    ASSERT_EQ(window->machine().phase(), Machine::Phase::Spinning);  // the first free spin
    press("autoplayon");
    EXPECT_FALSE(control("autoplayon")->isEnabled());
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_FALSE(timer("tmrautospin")->isActive());
    clock.advance(3000);
    EXPECT_EQ(window->machine().freeSpins().played(), 2);
    playFreeSpins(9);
    ASSERT_TRUE(window->machine().featureCompleted());
    sounds.entries.clear();
    press("autoplayon");
    clock.advance(5000);
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(sounds.entries.empty());  // no play press knocks at the waiting machine
    press("takewin");
    EXPECT_TRUE(control("autoplayon")->isEnabled());
}

TEST_F(FreeSpins, MenuLeftOpenAtTheTriggerClosesAndCannotOpenAgainNorOpenThePaylineView) {
    openWith(1000);
    hover(control("btnopenmenu"));
    ASSERT_TRUE(visible("menupic"));
    spin(kThreeSpecials);
    EXPECT_FALSE(visible("menupic"));
    hover(control("btnopenmenu"));
    EXPECT_FALSE(visible("menupic"));
    click("viewpaylines");
    EXPECT_FALSE(visible("Btnreturn2game"));
    EXPECT_TRUE(visible("Picture1"));
}

TEST_F(FreeSpins, PaylineViewWhileTheTotalWaitsComesBackToTheWaitingMachine) {
    openWith(1000);
    spin(kThreeSpecials);
    playFreeSpins(10);
    ASSERT_TRUE(window->machine().featureCompleted());
    click("viewpaylines");
    EXPECT_FALSE(visible("takewin"));
    EXPECT_FALSE(visible("freespinscompleted1"));  // it would cover Return to Game
    QWidget* back = control("Btnreturn2game");
    EXPECT_EQ(window->childAt(back->geometry().center()), back);
    click("Btnreturn2game");
    EXPECT_TRUE(visible("takewin"));
    EXPECT_TRUE(visible("freespinscompleted1"));
    EXPECT_FALSE(visible("panfreespin"));
    EXPECT_FALSE(window->keysEnabled());
    press("takewin");
    EXPECT_TRUE(visible("panfreespin"));
    EXPECT_EQ(window->machine().player().bank, 1100);
}

TEST_F(FreeSpins, ClosingMidFeaturePaysTheWholeFeatureBeforeSaving) {
    openWith(1000);
    spin(kThreeSpecials);
    playFreeSpins(3);
    for (int i = 0; i < 7; ++i) {
        random.pushSpin(kLosingStops);  // the rest, played out at exit
    }
    window->close();
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(settings.value("player1", "bank"), "1100");
}

TEST_F(FreeSpins, ClosingWhileTheWinWaitsPaysIt) {
    openWith(1000);
    spin(kThreeSpecials);
    playFreeSpins(10);
    ASSERT_TRUE(window->machine().featureCompleted());
    press("cmdexit");
    EXPECT_EQ(settings.value("player1", "bank"), "1100");
}

// At a credit with no room for a free spin's largest win the feature ends with its trigger: the
// announcement gives way to the total waiting for take-win, not to a machine that never moves on.
TEST_F(FreeSpins, AFeatureEndedByItsTriggerWaitsForTakeWin) {
    const std::int32_t start = highestCreditToPlay(25, 1);
    openWith(start);
    spin(kThreeSpecials);
    clock.advance(3000);
    ASSERT_TRUE(window->machine().featureCompleted());
    EXPECT_EQ(window->mode(), ui::Mode::FeatureWon);
    EXPECT_TRUE(visible("takewin"));
    press("takewin");
    EXPECT_EQ(window->machine().player().bank, start - 25 + 125);
}

// --- the wild's start rules -----------------------------------------------------------------

using test::window;
constexpr Symbol S1 = Symbol::S1, S2 = Symbol::S2, S3 = Symbol::S3, S4 = Symbol::S4,
                 S5 = Symbol::S5, S6 = Symbol::S6, S7 = Symbol::S7, S8 = Symbol::S8,
                 S9 = Symbol::S9, S10 = Symbol::S10, SC = Symbol::SC, W = Symbol::W;

ui::WildStart startOf(const SpinRecords& records, int lines) {
    return ui::wildStartFor(records, evaluate(records, lines, 1), lines);
}

TEST(WildStartRules, LoneWildWithoutAWinStartsNothing) {
    const auto records =
        window({S4, S5, S6}, {S1, W, S2}, {S7, S8, S9}, {S1, S2, S3}, {S1, S2, S3});
    ASSERT_EQ(evaluate(records, 25, 1).spinWin, 0);
    EXPECT_FALSE(startOf(records, 25).start);
}

TEST(WildStartRules, TwoSymbolWinThroughAReelTwoWildNeedsAnotherSpecial) {
    const auto two = window({S4, S10, S6}, {S1, W, S2}, {S7, S8, S9}, {S1, S2, S3}, {S1, S2, S3});
    ASSERT_EQ(evaluate(two, 1, 1).winCount[1], 2);
    EXPECT_FALSE(startOf(two, 1).start);
    const auto withScatter =
        window({S4, S10, S6}, {S1, W, S2}, {S7, S8, S9}, {S1, S2, S3}, {SC, S2, S3});
    const ui::WildStart w = startOf(withScatter, 1);
    EXPECT_TRUE(w.start);
    EXPECT_TRUE(w.lineWinFlag);
}

TEST(WildStartRules, ThreeSymbolWinThroughAWildStartsIt) {
    const auto records =
        window({S4, S2, S6}, {S1, W, S3}, {S1, S2, S3}, {S7, S8, S9}, {S7, S8, S9});
    const ui::WildStart w = startOf(records, 1);
    EXPECT_TRUE(w.start);
    EXPECT_TRUE(w.lineWinFlag);
}

TEST(WildStartRules, WildOnAnUnplayedLineStartsNothingByItself) {
    // The wild sits in reel 3's top cell: on lines 2, 5, 10, 14, 18 and 21, not on line 1.
    const auto records =
        window({S4, S2, S6}, {S5, S2, S3}, {W, S1, S3}, {S7, S8, S9}, {SC, S8, S9});
    EXPECT_TRUE(startOf(records, 25).start);
    EXPECT_FALSE(startOf(records, 1).start);
}

}  // namespace
}  // namespace kestrel
