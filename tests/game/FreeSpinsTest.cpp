#include <gtest/gtest.h>

#include "MachineFixture.h"

namespace kestrel {
namespace {

using test::kFiveSpecials;
using test::kFourSpecials;
using test::kLosingStops;
using test::kThreeSpecials;

class FreeSpinFeature : public test::MachineFixture {};

TEST_F(FreeSpinFeature, ThreeSpecialsAwardElevenCountingTheTriggerAsPlayed) {
    const Settlement trigger = spinAndSettle(kThreeSpecials);
    EXPECT_TRUE(trigger.triggered);
    EXPECT_TRUE(trigger.firstTrigger);
    EXPECT_FALSE(trigger.freeSpin);
    EXPECT_TRUE(machine.freeSpinsActive());
    EXPECT_EQ(machine.freeSpins().awarded(), 11);
    EXPECT_EQ(machine.freeSpins().played(), 1);
    EXPECT_EQ(machine.player().howmanyspins, 1);
    // The trigger's win waits in the feature total, not in the credit.
    EXPECT_EQ(trigger.credited, 0);
    EXPECT_EQ(machine.featureWin(), 125);
    EXPECT_EQ(machine.player().bank, 10000 - 25);

    for (int left = 9; left >= 0; --left) {
        const Settlement spin = spinAndSettle(kLosingStops, 6);
        EXPECT_TRUE(spin.freeSpin);
        EXPECT_EQ(machine.freeSpins().spinsLeft(), left);
        EXPECT_EQ(spin.completed, left == 0);
    }
    EXPECT_TRUE(machine.featureCompleted());
    EXPECT_FALSE(machine.freeSpinsActive());
    // Free spins cost nothing and change neither the bet nor the game count.
    EXPECT_EQ(machine.player().bank, 10000 - 25);
    EXPECT_EQ(machine.player().games, 1);
    EXPECT_EQ(machine.player().wager, 25);
    EXPECT_EQ(machine.betPerLine(), 1);
}

TEST_F(FreeSpinFeature, FourAndFiveSpecialsAwardSixteenAndTwentyOne) {
    spinAndSettle(kFourSpecials);
    EXPECT_EQ(machine.freeSpins().spinsLeft(), 15);
    test::ScriptedRandom other;
    Machine second(other);
    second.switchPlayer(test::playerWithCredit(1000));
    other.pushSpin(kFiveSpecials);
    second.play(1);
    second.settle();
    EXPECT_EQ(second.freeSpins().spinsLeft(), 20);
}

TEST_F(FreeSpinFeature, FreeSpinWinsGoToTheFeatureAndIntoTheCreditOnlyByTakeWin) {
    spinAndSettle(kThreeSpecials);
    machine.setLinesPlayed(1);  // refused inside the feature
    EXPECT_EQ(machine.linesPlayed(), 25);
    spinAndSettle({1, 1, 2, 1, 1});  // two specials: 25
    EXPECT_EQ(machine.featureWin(), 150);
    EXPECT_EQ(machine.player().total, 150);
    for (int i = 0; i < 9; ++i) {
        spinAndSettle(kLosingStops);
    }
    ASSERT_TRUE(machine.featureCompleted());
    EXPECT_EQ(machine.play(1), PlayResult::Busy);  // the win must be taken first
    EXPECT_EQ(machine.player().bank, 10000 - 25);
    EXPECT_TRUE(machine.takeWin());
    EXPECT_EQ(machine.player().bank, 10000 - 25 + 150);
    EXPECT_EQ(machine.heldFeatureWin(), 150);
    EXPECT_EQ(machine.gambleStake(), 150);
    EXPECT_TRUE(machine.canGamble());
    EXPECT_EQ(machine.freeSpins().awarded(), 0);
    EXPECT_FALSE(machine.takeWin());
}

TEST_F(FreeSpinFeature, RetriggerAddsElevenAndCountsAsAFeatureWon) {
    spinAndSettle(kThreeSpecials);
    spinAndSettle(kLosingStops);
    const Settlement again = spinAndSettle(kThreeSpecials);
    EXPECT_TRUE(again.triggered);
    EXPECT_FALSE(again.firstTrigger);
    EXPECT_EQ(machine.freeSpins().awarded(), 22);
    EXPECT_EQ(machine.freeSpins().played(), 3);
    EXPECT_EQ(machine.player().howmanyspins, 2);
    EXPECT_EQ(machine.featureWin(), 250);  // the re-trigger's own win counted once
}

TEST_F(FreeSpinFeature, RetriggerOnTheLastSpinDoesNotComplete) {
    spinAndSettle(kThreeSpecials);
    for (int i = 0; i < 9; ++i) {
        spinAndSettle(kLosingStops);
    }
    ASSERT_EQ(machine.freeSpins().spinsLeft(), 1);
    const Settlement last = spinAndSettle(kThreeSpecials);
    EXPECT_FALSE(last.completed);
    EXPECT_TRUE(machine.freeSpinsActive());
    EXPECT_EQ(machine.freeSpins().spinsLeft(), 11);
}

TEST_F(FreeSpinFeature, FeatureWithNothingWonOffersNoGamble) {
    test::ScriptedRandom script;
    Machine m(script);
    m.switchPlayer(test::playerWithCredit(1000, 1));
    // A free-spin total of 0 is impossible from a trigger (it pays the scatter), so the feature
    // is entered through a settled trigger and its total is checked after take-win.
    script.pushSpin(kThreeSpecials);
    m.play(1);
    m.settle();
    for (int i = 0; i < 10; ++i) {
        script.pushSpin(kLosingStops);
        m.play(1);
        m.settle();
    }
    ASSERT_TRUE(m.takeWin());
    EXPECT_TRUE(m.canGamble());
    script.pushSpin(kLosingStops);
    m.play(1);
    m.settle();
    EXPECT_EQ(m.heldFeatureWin(), 0);
    EXPECT_FALSE(m.canGamble());
}

// The count of spins is 16 bits wide. A trigger near its top still awards the spins that fit,
// rather than announcing spins won and adding none.
TEST_F(FreeSpinFeature, RetriggerNearTheMostSpinsTheCountHoldsAwardsWhatFits) {
    spinAndSettle(kThreeSpecials);
    GameSnapshot saved = machine.snapshot();
    saved.awarded = 32760;
    saved.played = 32759;
    test::ScriptedRandom script;
    Machine m(script);
    ASSERT_EQ(m.resume(machine.player(), saved), Resumption::AsSaved);
    ASSERT_EQ(m.freeSpins().spinsLeft(), 1);

    script.pushSpin(kThreeSpecials);
    ASSERT_EQ(m.play(1), PlayResult::Free);
    EXPECT_TRUE(m.settle().triggered);
    EXPECT_EQ(m.freeSpins().awarded(), 32767);
    EXPECT_EQ(m.freeSpins().spinsLeft(), 7);
    for (int left = 6; left >= 0; --left) {
        script.pushSpin(kLosingStops);
        ASSERT_EQ(m.play(1), PlayResult::Free);
        EXPECT_EQ(m.settle().completed, left == 0);
        EXPECT_EQ(m.freeSpins().spinsLeft(), left);
    }
    EXPECT_TRUE(m.featureCompleted());
}

}  // namespace
}  // namespace kestrel
