#include <gtest/gtest.h>

#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;
constexpr std::array<int, kReels> kTwoSpecials = {1, 1, 2, 1, 1};

class Autoplay : public test::WindowFixture {};

TEST_F(Autoplay, NoticeIsShownOnceForTheWholeStore) {
    storePlayer(1000);
    open();
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

TEST_F(Autoplay, RepeatsTheBetAndWaitsLongerAfterAWin) {
    storePlayer(1000);
    open();
    random.pushSpin(kTwoSpecials);  // wins: the next spin comes from the timer
    press("autoplayon");
    EXPECT_EQ(window->autoplayState(), 10);
    EXPECT_FALSE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("btnoptions")->isEnabled());
    clock.advance(1500);  // settled
    EXPECT_FALSE(control("doublebutton")->isEnabled());  // no gamble under autoplay
    const int gamesAfterFirst = window->machine().player().games;
    random.pushSpin(kTwoSpecials);
    clock.advance(2400);
    EXPECT_EQ(window->machine().player().games, gamesAfterFirst);
    clock.advance(600);
    EXPECT_EQ(window->machine().player().games, gamesAfterFirst + 1);
    press("autoplayoff");
    clock.advance(5000);
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pplay1")->isEnabled());
    EXPECT_TRUE(control("btnoptions")->isEnabled());
    EXPECT_EQ(window->machine().player().games, gamesAfterFirst + 1);
}

TEST_F(Autoplay, LosingSpinIsFollowedAtOnceByTheNext) {
    storePlayer(1000);
    open();
    random.pushSpin(kLosingStops);
    random.pushSpin(kLosingStops);
    random.pushSpin(kTwoSpecials);
    press("autoplayon");
    EXPECT_EQ(window->machine().player().games, 3);  // the losses pass straight on
    EXPECT_EQ(window->machine().player().bank, 1000 - 75);
    clock.advance(1500);
    EXPECT_EQ(window->machine().player().bank, 1000 - 75 + 25);
    press("autoplayoff");
}

TEST_F(Autoplay, TooLittleCreditStopsItWithThePanel) {
    storePlayer(10);
    open();
    press("autoplayon");
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_FALSE(timer("tmrautospin")->isActive());
    EXPECT_TRUE(control("autoplayon")->isEnabled());
    EXPECT_FALSE(control("btnoptions")->isEnabled());
    press("coinsin");
    EXPECT_TRUE(control("btnoptions")->isEnabled());
}

TEST_F(Autoplay, CreditRunningOutOnALossShowsThatSpinBeforeStopping) {
    storePlayer(50);
    open();
    random.pushSpin(kLosingStops);
    random.pushSpin(kLosingStops);  // leaves 0: no third spin
    press("autoplayon");
    EXPECT_EQ(window->machine().player().games, 2);
    clock.advance(5000);
    EXPECT_EQ(window->autoplayState(), 0);
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_FALSE(timer("tmrautospin")->isActive());
    EXPECT_EQ(text("LABWIN"), "No Win");
    EXPECT_EQ(text("lblwin"), "");
    for (int c = 1; c <= kCells; ++c) {
        EXPECT_TRUE(control(QStringLiteral("flasher%1").arg(c))->isVisible()) << c;
    }
    EXPECT_EQ(window->machine().player().bank, 0);
    EXPECT_EQ(window->machine().player().games, 2);
}

TEST_F(Autoplay, FeatureUnderAutoplayCountsEveryFreeSpinAndResumesAfterIt) {
    storePlayer(1000);
    open();
    random.pushSpin(kThreeSpecials);
    press("autoplayon");
    for (int i = 0; i < 10; ++i) {
        random.pushSpin(kLosingStops);  // exactly the ten free spins
    }
    for (int t = 0; t < 1200 && !random.exhausted(); ++t) {
        clock.advance(100);
    }
    ASSERT_TRUE(random.exhausted());
    random.pushSpin(kTwoSpecials);  // the next paid autoplay spin
    clock.advance(8000);
    EXPECT_EQ(window->machine().freeSpins().state(), FreeSpins::State::None);
    EXPECT_EQ(window->machine().player().games, 2);
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 + 125 - 25 + 25);
    EXPECT_EQ(window->autoplayState(), 10);
}

}  // namespace
}  // namespace kestrel
