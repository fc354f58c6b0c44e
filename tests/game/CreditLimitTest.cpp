#include <gtest/gtest.h>

#include "CreditLimit.h"
#include "Credits.h"
#include "MachineFixture.h"

namespace kestrel {
namespace {

using test::Column;
using test::kLosingStops;
using test::kThreeSpecials;

using test::kTwoSpecials;
constexpr int kTopButton = 6;  // 20 credits per line
constexpr std::int32_t kTopBet = 25 * 20;
constexpr std::int32_t kTopBetLargestWin = largestSpinWin(25, 20);

// The room a bet needs is read from the pay table. The richest windows with one special a reel
// at most (as the strips show them) reach it on one line and stay within it on any number.
TEST(LargestSpinWin, BoundsTheRichestWindowsAtEveryLineCountAndBet) {
    using enum Symbol;
    const Column wild = {W, S1, S1};
    const SpinRecords everyLine = test::window({S1, S1, S1}, wild, wild, wild, wild);
    const SpinRecords fiveSpecials = test::window({SC, S1, S1}, wild, wild, wild, wild);
    ASSERT_EQ(fiveSpecials.specialCount, 5);
    for (const int lines : {1, 5, 10, 15, 25}) {
        for (const int bet : {1, 2, 3, 5, 10, 20}) {
            SCOPED_TRACE(testing::Message() << lines << " lines at " << bet);
            EXPECT_LE(evaluate(everyLine, lines, bet).spinWin, largestSpinWin(lines, bet));
            EXPECT_LE(evaluate(fiveSpecials, lines, bet).spinWin, largestSpinWin(lines, bet));
        }
    }
    EXPECT_EQ(evaluate(fiveSpecials, 1, 20).spinWin, largestSpinWin(1, 20));
}

class CreditLimit : public test::MachineFixture {};

TEST_F(CreditLimit, PaidSpinIsPlayedOnlyWhileItsLargestWinFits) {
    // The credit that once lost a whole win: 2,147,483,137 at 500 a spin.
    setCredit(2'147'483'137);
    EXPECT_EQ(machine.play(kTopButton), PlayResult::CreditFull);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
    EXPECT_EQ(machine.player().bank, 2'147'483'137);
    EXPECT_EQ(machine.player().games, 0);
    EXPECT_EQ(machine.player().wager, 0);

    setCredit(highestCreditToPlay(25, 20) + 1);
    EXPECT_EQ(machine.play(kTopButton), PlayResult::CreditFull);
    random.pushSpin(kLosingStops);
    EXPECT_EQ(machine.play(1), PlayResult::Paid);  // a smaller bet still plays
    machine.settle();

    setCredit(highestCreditToPlay(25, 20));
    random.pushSpin(kTwoSpecials);
    ASSERT_EQ(machine.play(kTopButton), PlayResult::Paid);
    EXPECT_EQ(machine.settle().credited, kTopBet);
    EXPECT_EQ(machine.player().bank, highestCreditToPlay(25, 20));
    EXPECT_TRUE(machine.canGamble());
}

// The bet leaves the credit before the spin pays, so the room a spin needs is its largest win
// less its bet. At the top bet, 25 lines at 20, that win is 760,000: 1,500 a line for five girls
// on every line and 20 times the 500 bet for five specials.
TEST_F(CreditLimit, TheBetChargedMakesRoomForItsOwnLargestWin) {
    constexpr std::int32_t kHighestToPlay = 2'147'483'647 - 760'000 + 500;
    setCredit(kHighestToPlay);
    random.pushSpin(kLosingStops);
    ASSERT_EQ(machine.play(kTopButton), PlayResult::Paid);
    machine.settle();
    EXPECT_EQ(machine.player().bank, kHighestToPlay - kTopBet);

    setCredit(kHighestToPlay + 1);
    EXPECT_EQ(machine.play(kTopButton), PlayResult::CreditFull);
    EXPECT_EQ(machine.player().bank, kHighestToPlay + 1);
}

TEST_F(CreditLimit, RefusedForLackOfCreditComesBeforeCreditFull) {
    setCredit(100);
    EXPECT_EQ(machine.play(kTopButton), PlayResult::Refused);
}

TEST_F(CreditLimit, MoneyGoesInWhileTheSmallestBetCanStillBePlayed) {
    setCredit(kHighestCreditToInsert - kNoteCredits);
    EXPECT_TRUE(machine.insertNote());
    EXPECT_EQ(machine.player().bank, kHighestCreditToInsert);
    EXPECT_FALSE(machine.insertNote());
    EXPECT_FALSE(machine.pressCoins());
    EXPECT_EQ(machine.coinsPending(), 0);
    EXPECT_EQ(machine.player().bank, kHighestCreditToInsert);
    EXPECT_EQ(machine.player().amountinvested, kNoteCredits);

    machine.setLinesPlayed(1);
    random.pushSpin(kLosingStops);
    EXPECT_EQ(machine.play(1), PlayResult::Paid);
}

// A press is taken whole: with room for only some of its coins, none falls.
TEST_F(CreditLimit, ACoinPressIsTurnedAwayWholeWhereNotAllItsCoinsFit) {
    setCredit(kHighestCreditToInsert - kCoinPressCredits);
    ASSERT_TRUE(machine.pressCoins());
    while (machine.dropCoin()) {
    }
    EXPECT_EQ(machine.player().bank, kHighestCreditToInsert);

    setCredit(kHighestCreditToInsert - kCoinPressCredits + kCoinCredits);
    EXPECT_FALSE(machine.pressCoins());
    EXPECT_EQ(machine.coinsPending(), 0);
    EXPECT_FALSE(machine.dropCoin());
    EXPECT_EQ(machine.player().bank, kHighestCreditToInsert - kCoinPressCredits + kCoinCredits);
}

// The coins of a press already taken are the player's: a note may not take their room.
TEST_F(CreditLimit, ANoteLeavesRoomForTheCoinsStillToDrop) {
    const std::int32_t start = kHighestCreditToInsert - kNoteCredits - kCoinPressCredits + 100;
    setCredit(start);
    ASSERT_TRUE(machine.pressCoins());
    ASSERT_TRUE(machine.dropCoin());
    EXPECT_FALSE(machine.takesMoney(kNoteCredits));
    EXPECT_FALSE(machine.insertNote());
    int dropped = 1;
    while (machine.coinsPending() > 0) {
        dropped += machine.dropCoin() ? 1 : 0;
    }
    EXPECT_EQ(dropped, kCoinsPerPress);
    EXPECT_EQ(machine.player().bank, start + kCoinPressCredits);
    EXPECT_EQ(machine.player().amountinvested, kCoinPressCredits);
    EXPECT_TRUE(machine.takesMoney(kCoinPressCredits));  // the next press fits as it did
}

TEST_F(CreditLimit, CoinWhileTheReelsTurnLeavesRoomForTheDecidedWin) {
    machine.setLinesPlayed(1);
    const auto pressLeavingOneCoin = [this] {
        ASSERT_TRUE(machine.pressCoins());
        while (machine.coinsPending() > 1) {
            ASSERT_TRUE(machine.dropCoin());
        }
    };
    pressLeavingOneCoin();
    setCredit(kHighestCreditToInsert - 24);  // a one-credit bet and a coin meet the ceiling
    random.pushSpin(kLosingStops);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_TRUE(machine.dropCoin());
    machine.settle();

    setCredit(0);
    pressLeavingOneCoin();
    setCredit(kHighestCreditToInsert - 24);
    random.pushSpin(kTwoSpecials);  // wins the one credit back
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_FALSE(machine.dropCoin());
    EXPECT_EQ(machine.settle().credited, 1);
    EXPECT_EQ(machine.player().bank, kHighestCreditToInsert - 24);
}

TEST_F(CreditLimit, CoinsLeaveRoomForTheFeatureTotalAndItsNextSpin) {
    // After the trigger the credit and the total leave 100 more than one top-bet spin needs.
    const std::int32_t start = kCreditLimit - kTopBetLargestWin - 100 - 5 * kTopBet + kTopBet;
    setCredit(start);
    ASSERT_TRUE(machine.pressCoins());
    spinAndSettle(kThreeSpecials, kTopButton);
    ASSERT_TRUE(machine.freeSpinsActive());
    EXPECT_FALSE(machine.dropCoin());
    EXPECT_EQ(machine.player().bank, start - kTopBet);
    EXPECT_EQ(machine.player().amountinvested, 0);
}

// A spin decided onto three specials has a feature coming: money put in while its reels turn
// (a note, or the coins of a press made before) must leave room for the first free spin, as it
// must for the next spin of a feature already running, or a quarter would cost the free spins.
TEST_F(CreditLimit, MoneyWhileATriggerTurnsLeavesRoomForItsFeature) {
    // After the trigger, room for one top-bet spin and 10 credits more.
    const std::int32_t start = kCreditLimit - kTopBetLargestWin - 10 - 5 * kTopBet + kTopBet;
    setCredit(start);
    ASSERT_TRUE(machine.pressCoins());
    random.pushSpin(kThreeSpecials);
    ASSERT_EQ(machine.play(kTopButton), PlayResult::Paid);
    EXPECT_FALSE(machine.insertNote());
    EXPECT_FALSE(machine.dropCoin());
    const Settlement trigger = machine.settle();
    EXPECT_TRUE(trigger.triggered);
    EXPECT_FALSE(trigger.completed);
    EXPECT_TRUE(machine.freeSpinsActive());
    EXPECT_EQ(machine.freeSpins().spinsLeft(), 10);
    EXPECT_EQ(machine.player().bank, start - kTopBet);
    EXPECT_EQ(machine.player().amountinvested, 0);
}

TEST_F(CreditLimit, FeatureWithoutRoomForAnotherSpinCompletesWithTheTrigger) {
    setCredit(highestCreditToPlay(25, 20));
    const Settlement trigger = spinAndSettle(kThreeSpecials, kTopButton);
    EXPECT_TRUE(trigger.triggered);
    EXPECT_TRUE(trigger.completed);
    EXPECT_TRUE(machine.featureCompleted());
    EXPECT_EQ(machine.play(kTopButton), PlayResult::Busy);
    ASSERT_TRUE(machine.takeWin());
    EXPECT_EQ(machine.player().bank, highestCreditToPlay(25, 20) - kTopBet + 5 * kTopBet);
    EXPECT_EQ(machine.gambleStake(), 5 * kTopBet);
    EXPECT_TRUE(machine.canGamble());
}

TEST_F(CreditLimit, FeatureEndsWhenAFreeSpinWinUsesUpTheRoom) {
    // After the trigger, room for one top-bet spin and 100 credits more.
    const std::int32_t start = kCreditLimit - kTopBetLargestWin - 100 - 5 * kTopBet + kTopBet;
    setCredit(start);
    spinAndSettle(kThreeSpecials, kTopButton);
    ASSERT_TRUE(machine.freeSpinsActive());
    EXPECT_FALSE(spinAndSettle(kLosingStops).completed);  // no win: the room is still there
    const Settlement won = spinAndSettle(kTwoSpecials);
    EXPECT_TRUE(won.completed);
    EXPECT_TRUE(machine.featureCompleted());
    EXPECT_EQ(machine.freeSpins().spinsLeft(), 8);
    ASSERT_TRUE(machine.takeWin());
    EXPECT_EQ(machine.player().bank, start - kTopBet + 5 * kTopBet + kTopBet);
}

TEST_F(CreditLimit, WinThatCannotBeCreditedIsNeverOfferedToTheGamble) {
    // Only a record changed under the machine's feet gets here; the win must not be offered.
    spinAndSettle(kThreeSpecials);
    while (machine.freeSpinsActive()) {
        spinAndSettle(kLosingStops);
    }
    ASSERT_EQ(machine.featureWin(), 125);
    setCredit(kCreditLimit - 124);
    EXPECT_FALSE(machine.takeWin());
    EXPECT_TRUE(machine.featureCompleted());
    EXPECT_EQ(machine.featureWin(), 125);
    EXPECT_EQ(machine.player().bank, kCreditLimit - 124);
    EXPECT_FALSE(machine.canGamble());
    EXPECT_FALSE(machine.openGamble());
}

}  // namespace
}  // namespace kestrel
