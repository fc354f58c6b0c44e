#include <gtest/gtest.h>

#include "Sounds.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;
using test::kTwoSpecials;

class Autoplay : public test::WindowFixture {};

TEST_F(Autoplay, NoticeIsShownOnceForTheWholeStore) {
    openWith(1000);
    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Slots_kestrel");
    EXPECT_TRUE(messages.shown[0].text.startsWith(" ..............PLEASE READ................."));
    EXPECT_EQ(messages.shown[0].text.count(QChar('\r')), 5);
    EXPECT_EQ(settings.value("notice", "autoplay"), "-1");
    press("autoplayoff");
    clock.advance(3000);
    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    EXPECT_EQ(messages.shown.size(), 1u);
    press("autoplayoff");
}

TEST_F(Autoplay, NoticeAlreadyInTheStoreIsNotShown) {
    storePlayer(1000);
    settings.setValue("notice", "autoplay", "-1");
    open();
    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    EXPECT_TRUE(messages.shown.empty());
}

// The pace of the spins is checked in EverySpinIsShownAndSettledBeforeTheNextIsCharged.
TEST_F(Autoplay, RepeatsTheBetWithoutGamblingUntilSwitchedOff) {
    openWith(1000);
    random.pushSpin(kTwoSpecials);  // wins: the next spin comes from the timer
    press("autoplayon");
    EXPECT_EQ(window->autoplayState(), 10);
    EXPECT_FALSE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("btnoptions")->isEnabled());
    clock.advance(1500);                                 // settled
    EXPECT_FALSE(control("doublebutton")->isEnabled());  // no gamble under autoplay
    random.pushSpin(kTwoSpecials);
    clock.advance(3000);
    EXPECT_EQ(window->machine().player().games, 2);
    press("autoplayoff");
    clock.advance(5000);
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pplay1")->isEnabled());
    EXPECT_TRUE(control("btnoptions")->isEnabled());
    EXPECT_EQ(window->machine().player().games, 2);
}

// The space bar and autoplay repeat the bet last played, whichever button it was, on the lines
// chosen since.
TEST_F(Autoplay, TheSpaceBarAndAutoplayRepeatTheLastBet) {
    storePlayer(10000);
    settings.setValue("notice", "autoplay", "-1");
    open();
    spin(kLosingStops, 5);  // 10 a line on 25 lines
    ASSERT_EQ(window->machine().player().wager, 250);
    press("payline3");  // 10 lines
    random.pushSpin(kLosingStops);
    key(Qt::Key_Space);
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().wager, 350);
    random.pushSpin(kLosingStops);
    random.pushSpin(kLosingStops);
    press("autoplayon");
    clock.advance(3500);
    press("autoplayoff");
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().games, 4);
    EXPECT_EQ(window->machine().player().wager, 550);
}

// Autoplay never gambles: a win it settled is not offered once it is switched off either. A spin
// still turning when it is switched off settles as the player's own and is offered.
TEST_F(Autoplay, AWinAutoplaySettledIsNotOfferedOnceItIsOff) {
    openWith(1000);
    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    clock.advance(1500);  // settled, autoplay waiting
    press("autoplayoff");
    EXPECT_FALSE(control("doublebutton")->isEnabled());
    EXPECT_FALSE(window->machine().canGamble());

    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    clock.advance(100);
    ASSERT_EQ(window->machine().phase(), Machine::Phase::Spinning);
    press("autoplayoff");
    clock.advance(3000);
    EXPECT_TRUE(control("doublebutton")->isEnabled());
}

// Every spin autoplay pays for turns and settles on screen before the next bet is charged;
// the next spin comes 1.5 to 1.9 s after a loss and 2.5 to 2.9 s after a win.
TEST_F(Autoplay, EverySpinIsShownAndSettledBeforeTheNextIsCharged) {
    openWith(1000);
    for (int i = 0; i < 4; ++i) {
        random.pushSpin(i == 2 ? kTwoSpecials : kLosingStops);
    }
    std::vector<qint64> charged, settled;  // when each bet went in, when each spin said its result
    int games = 0;
    QString lastWin = text("LABWIN");
    press("autoplayon");
    for (int t = 0; t < 1500 && charged.size() < 4; ++t) {
        if (window->machine().player().games != games) {
            games = window->machine().player().games;
            charged.push_back(clock.now());
            EXPECT_EQ(charged.size(), settled.size() + 1)
                << "a bet went in before the last spin settled";
        }
        if (text("LABWIN") != lastWin) {
            lastWin = text("LABWIN");
            if (lastWin == "No Win" || lastWin == "25") {
                settled.push_back(clock.now());
            }
        }
        clock.advance(10);
    }
    ASSERT_EQ(charged.size(), 4u);
    ASSERT_GE(settled.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const qint64 wait = charged[i + 1] - settled[i];
        const qint64 least = i == 2 ? 2500 : 1500;  // spin 3 won
        EXPECT_GE(wait, least - 100) << "after spin " << i + 1;
        EXPECT_LE(wait, least + 400 + 100) << "after spin " << i + 1;
    }
    press("autoplayoff");
    clock.advance(3000);
}

// A refused autoplay leaves the cabinet exactly as switching autoplay off does.
TEST_F(Autoplay, TooLittleCreditStopsItWithThePanelAndGivesEveryControlBack) {
    openWith(10);
    press("autoplayon");
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_FALSE(timer("tmrautospin")->isActive());
    EXPECT_TRUE(control("autoplayon")->isEnabled());
    EXPECT_TRUE(control("btnoptions")->isEnabled());
    EXPECT_TRUE(control("pplay1")->isEnabled());
    EXPECT_TRUE(window->keysEnabled());
    press("coinsin");
    EXPECT_FALSE(control("btnoptions")->isEnabled());  // while its coins drop
    clock.advance(3000);
    EXPECT_TRUE(control("btnoptions")->isEnabled());
}

TEST_F(Autoplay, CreditRunningOutOnALossShowsThatSpinBeforeStopping) {
    openWith(50);
    random.pushSpin(kLosingStops);
    random.pushSpin(kLosingStops);  // leaves 0: no third spin
    press("autoplayon");
    clock.advance(8000);
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_FALSE(timer("tmrautospin")->isActive());
    EXPECT_EQ(text("LABWIN"), "No Win");
    EXPECT_EQ(text("lblwin"), "");
    EXPECT_EQ(cellsShown(), kCells);
    EXPECT_EQ(window->machine().player().bank, 0);
    EXPECT_EQ(window->machine().player().games, 2);
}

TEST_F(Autoplay, FeatureUnderAutoplayCountsEveryFreeSpinAndResumesAfterIt) {
    openWith(1000);
    random.pushSpin(kThreeSpecials);
    press("autoplayon");
    ASSERT_TRUE(advanceUntil([&] { return window->machine().freeSpins().played() == 1; }, 5000));
    playFreeSpins(10);  // exactly the ten free spins
    ASSERT_TRUE(random.exhausted());
    random.pushSpin(kTwoSpecials);  // the next paid autoplay spin
    advanceUntil([&] { return window->machine().featureCompleted(); }, 10000);
    // The completed feature shows its banner, and its fanfare plays to its last chord, before
    // autoplay takes the win.
    clock.advance(5000);
    EXPECT_TRUE(window->machine().featureCompleted());
    EXPECT_TRUE(control("freespinscompleted1")->isVisible());
    EXPECT_EQ(text("LABWIN"), "125");
    clock.advance(1000);
    EXPECT_EQ(window->machine().freeSpins().state(), FreeSpins::State::None);
    ASSERT_EQ(sounds.count(ui::sound::kFeatureComplete), 1);
    ASSERT_FALSE(sounds.entries.empty());
    EXPECT_EQ(sounds.entries.back().resource, ui::sound::kWinTaken);
    EXPECT_GE(sounds.entries.back().at - sounds.timesOf(ui::sound::kFeatureComplete)[0], 5500);
    EXPECT_FALSE(control("freespinscompleted1")->isVisible());
    EXPECT_EQ(text("LABWIN"), "125");  // the total that was paid
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_FALSE(window->machine().canGamble());  // taken by autoplay: never gambled
    clock.advance(5000);
    EXPECT_EQ(window->machine().freeSpins().state(), FreeSpins::State::None);
    EXPECT_EQ(window->machine().player().games, 2);
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 + 125 - 25 + 25);
    EXPECT_EQ(window->autoplayState(), 10);
}

}  // namespace
}  // namespace kestrel
