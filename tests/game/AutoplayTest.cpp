#include <gtest/gtest.h>

#include "Autoplay.h"
#include "MachineFixture.h"

namespace kestrel {
namespace {

using Next = Autoplay::Next;
using Action = Autoplay::Action;

TEST(AutoplayPolicy, SwitchesOnOnlyForABetAPlayButtonPlays) {
    Autoplay autoplay;
    EXPECT_FALSE(autoplay.switchOn(4));
    EXPECT_EQ(autoplay.state(), 0);
    EXPECT_TRUE(autoplay.switchOn(20));
    EXPECT_EQ(autoplay.state(), 10);
    autoplay.switchOff();
    EXPECT_FALSE(autoplay.isOn());
}

TEST(AutoplayPolicy, PacesPaidSpinsLongerAfterAWinAndLetsAFeaturePlayItself) {
    Autoplay autoplay;
    ASSERT_TRUE(autoplay.switchOn(1));
    EXPECT_EQ(autoplay.afterSettling(Settlement{}, 0), (Next{Action::Spin, 15}));
    EXPECT_EQ(autoplay.afterSettling(Settlement{}, 1), (Next{Action::Spin, 25}));
    Settlement trigger;
    trigger.triggered = trigger.firstTrigger = true;
    EXPECT_EQ(autoplay.afterSettling(trigger, 125), Next{});
    Settlement freeSpin;
    freeSpin.freeSpin = true;
    EXPECT_EQ(autoplay.afterSettling(freeSpin, 40), Next{});
    Settlement last = freeSpin;
    last.completed = true;
    EXPECT_EQ(autoplay.afterSettling(last, 0),
              (Next{Action::TakeWin, Autoplay::kTicksShowingFeatureTotal}));
    EXPECT_EQ(autoplay.afterTakeWin(), (Next{Action::Spin, 25}));
    autoplay.switchOff();
    EXPECT_EQ(autoplay.afterSettling(Settlement{}, 0), Next{});
    EXPECT_EQ(autoplay.afterTakeWin(), Next{});
}

class AutoplayGamble : public test::MachineFixture {};

TEST_F(AutoplayGamble, WinIsOfferedForTheGambleOnlyWithAutoplayOff) {
    machine.setLinesPlayed(1);
    spinAndSettle({1, 1, 2, 1, 1});
    Autoplay autoplay;
    EXPECT_TRUE(mayOfferGamble(machine, autoplay));
    ASSERT_TRUE(autoplay.switchOn(1));
    EXPECT_FALSE(mayOfferGamble(machine, autoplay));
    autoplay.switchOff();
    machine.declineGamble();
    EXPECT_FALSE(mayOfferGamble(machine, autoplay));
}

// A win of the whole credit must still be offered: the stake is taken back out of the credit,
// which holds exactly that win after a bet of everything.
TEST_F(AutoplayGamble, WinOfABetOfTheWholeCreditIsOffered) {
    setCredit(25);
    spinAndSettle({1, 1, 2, 1, 1});  // two specials pay the total bet back: 25
    ASSERT_EQ(machine.player().bank, 25);
    EXPECT_TRUE(mayOfferGamble(machine, Autoplay{}));
    EXPECT_TRUE(machine.openGamble());
    EXPECT_EQ(machine.player().bank, 0);
}

}  // namespace
}  // namespace kestrel
