#include <gtest/gtest.h>

#include <limits>

#include "Credits.h"
#include "MachineFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;

class MachinePlay : public test::MachineFixture {};

TEST_F(MachinePlay, BetEqualToCreditIsAcceptedOneCreditShortIsRefused) {
    setCredit(25);
    random.pushSpin(kLosingStops);
    EXPECT_EQ(machine.play(1), PlayResult::Paid);
    machine.settle();
    EXPECT_EQ(machine.player().bank, 0);

    setCredit(24);
    EXPECT_EQ(machine.play(1), PlayResult::Refused);
    EXPECT_EQ(machine.player().bank, 24);
    EXPECT_EQ(machine.player().games, 1);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
}

TEST_F(MachinePlay, PaidSpinChargesAtDecisionAndCreditsAtSettling) {
    setCredit(1000);
    random.pushSpin(kThreeSpecials);               // pays 5 × the total bet, a feature trigger
    ASSERT_EQ(machine.play(2), PlayResult::Paid);  // first draw: accepted (k = 1)
    EXPECT_EQ(machine.player().bank, 950);
    EXPECT_EQ(machine.player().wager, 50);
    EXPECT_EQ(machine.player().games, 1);
    EXPECT_EQ(machine.player().total, 250);
    EXPECT_EQ(machine.spinWin(), 250);
    EXPECT_EQ(machine.play(2), PlayResult::Busy);  // not settled yet
}

TEST_F(MachinePlay, RejectedOutcomeIsDrawnAgainAndChargedOnce) {
    setCredit(1000);
    random.pushSpin(kThreeSpecials, 2);  // wins more than the bet, k = 2 of 7: redrawn
    random.pushSpin(kLosingStops, 5);    // a loss always stands
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(machine.spinWin(), 0);
    EXPECT_EQ(machine.specialCount(), 0);
    EXPECT_EQ(machine.player().bank, 975);
    EXPECT_EQ(machine.player().wager, 25);
    EXPECT_EQ(machine.player().games, 1);
    EXPECT_EQ(machine.player().total, 0);
    EXPECT_EQ(machine.records().reelStop[1], kLosingStops[0]);
}

TEST_F(MachinePlay, WinEqualToTheBetIsNeverRedrawn) {
    // Two specials pay exactly the total bet: the acceptance draw is made but cannot reject.
    const auto records = test::windowAtStops({1, 1, 2, 1, 1});
    ASSERT_EQ(records.specialCount, 2);
    ASSERT_EQ(evaluate(records, 1, 1).spinWin, 1);
    machine.setLinesPlayed(1);
    random.pushSpin({1, 1, 2, 1, 1}, 7);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_EQ(machine.spinWin(), 1);
    EXPECT_TRUE(random.exhausted());
}

TEST_F(MachinePlay, PayoutSettingOneLetsEveryOutcomeStand) {
    test::editPlayer(machine, [](PlayerRecord& p) { p.machinepay = 1; });
    random.pushSpin(kThreeSpecials, 1);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_EQ(machine.spinWin(), 125);
}

TEST_F(MachinePlay, UnchosenReelSpeedPlaysFastFromTheMomentTheRecordIsTaken) {
    test::editPlayer(machine, [](PlayerRecord& p) { p.reelspeed = 0; });
    EXPECT_EQ(machine.player().reelspeed, 1);
    PlayerSettings slow = machine.settings();
    slow.reelspeed = 2;
    machine.changeSettings(slow);
    EXPECT_EQ(machine.player().reelspeed, 2);
}

TEST_F(MachinePlay, PaidWinOffersTheGambleALossDoesNot) {
    spinAndSettle(kLosingStops);
    EXPECT_FALSE(machine.canGamble());
    machine.setLinesPlayed(1);
    random.pushSpin({1, 1, 2, 1, 1});
    machine.play(1);
    EXPECT_FALSE(machine.canGamble());  // not before it is settled
    const Settlement settled = machine.settle();
    EXPECT_EQ(settled.credited, 1);
    EXPECT_TRUE(machine.canGamble());
}

TEST_F(MachinePlay, LinesCanOnlyTakeTheFiveCountsAndStayWhileASpinIsDecided) {
    EXPECT_TRUE(machine.setLinesPlayed(10));
    EXPECT_FALSE(machine.setLinesPlayed(11));
    EXPECT_FALSE(machine.setLinesPlayed(0));
    EXPECT_EQ(machine.linesPlayed(), 10);
    random.pushSpin({2, 3, 1, 1, 1});  // lines 3 and 7 win
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    EXPECT_FALSE(machine.setLinesPlayed(1));  // the spin is paid on the lines it was bet on
    EXPECT_GT(machine.settle().credited, 0);
    EXPECT_TRUE(machine.setLinesPlayed(1));
}

class MachineCredit : public test::MachineFixture {};

TEST_F(MachineCredit, CoinPressDropsFourteenCoinsAndASecondPressAddsNone) {
    setCredit(0);
    ASSERT_TRUE(machine.pressCoins());
    EXPECT_FALSE(machine.pressCoins());
    EXPECT_FALSE(machine.maySwitchPlayer());  // the coins belong to this player
    int dropped = 0;
    while (machine.dropCoin()) {
        ++dropped;
    }
    EXPECT_EQ(dropped, 14);
    EXPECT_EQ(machine.player().bank, 350);
    EXPECT_EQ(machine.player().amountinvested, 350);
    EXPECT_TRUE(machine.maySwitchPlayer());
    EXPECT_TRUE(machine.pressCoins());
}

// A full Total Invested is a statistic that stops counting, as the others do; it never turns
// money away (a player at 0 credit could never play again).
TEST_F(MachineCredit, MoneyGoesInWhenOnlyTheInvestmentStatisticIsFull) {
    constexpr std::int32_t kFull = std::numeric_limits<std::int32_t>::max() - 10;
    test::editPlayer(machine, [](PlayerRecord& p) {
        p.bank = 0;
        p.amountinvested = kFull;
    });
    EXPECT_TRUE(machine.takesMoney(kNoteCredits));
    ASSERT_TRUE(machine.insertNote());
    EXPECT_EQ(machine.player().bank, kNoteCredits);
    EXPECT_EQ(machine.player().amountinvested, kFull);
    ASSERT_TRUE(machine.pressCoins());
    EXPECT_TRUE(machine.dropCoin());
    EXPECT_EQ(machine.player().bank, kNoteCredits + kCoinCredits);
    EXPECT_EQ(machine.player().amountinvested, kFull);
}

TEST_F(MachineCredit, NoteIsRefusedWhileAFeatureRuns) {
    spinAndSettle(kThreeSpecials);
    ASSERT_TRUE(machine.freeSpinsActive());
    const auto bank = machine.player().bank;
    EXPECT_FALSE(machine.insertNote());
    EXPECT_EQ(machine.player().bank, bank);
}

TEST_F(MachineCredit, StatisticsAtTheLimitStayPutWhilePlayGoesOn) {
    test::editPlayer(machine,
                     [](PlayerRecord& p) { p.wager = std::numeric_limits<std::int32_t>::max(); });
    spinAndSettle(kLosingStops);
    EXPECT_EQ(machine.player().wager, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(machine.player().bank, 10000 - 25);
}

class MachineExit : public test::MachineFixture {};

TEST_F(MachineExit, DecidedSpinIsCreditedBeforeSaving) {
    machine.setLinesPlayed(1);
    random.pushSpin({1, 1, 2, 1, 1});
    machine.play(1);
    machine.settleForExit();
    EXPECT_EQ(machine.player().bank, 10000 - 1 + 1);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
}

TEST_F(MachineExit, RunningFeatureIsPlayedOutAndPaid) {
    spinAndSettle(kThreeSpecials);  // 125 into the feature, 10 spins to go
    spinAndSettle(kLosingStops);
    ASSERT_EQ(machine.freeSpins().spinsLeft(), 9);
    for (int i = 0; i < 9; ++i) {
        random.pushSpin(kLosingStops);
    }
    machine.settleForExit();
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(machine.freeSpins().state(), FreeSpins::State::None);
    EXPECT_EQ(machine.player().bank, 10000 - 25 + 125);
}

TEST_F(MachineExit, CoinsStillToDropAreCredited) {
    setCredit(0);
    ASSERT_TRUE(machine.pressCoins());
    ASSERT_TRUE(machine.dropCoin());
    machine.settleForExit();
    EXPECT_EQ(machine.player().bank, 350);
    EXPECT_EQ(machine.coinsPending(), 0);
}

TEST_F(MachineExit, OpenGambleIsCollected) {
    machine.setLinesPlayed(1);
    spinAndSettle({1, 1, 2, 1, 1});
    ASSERT_TRUE(machine.openGamble());
    random.push({1});  // hearts: red wins
    machine.guessColour(CardColour::Red);
    machine.settleForExit();
    EXPECT_EQ(machine.player().bank, 10000 - 1 + 2);
}

class MachinePlayers : public test::MachineFixture {};

TEST_F(MachinePlayers, SwitchingPlayerWithdrawsThePendingGamble) {
    machine.setLinesPlayed(1);
    spinAndSettle({1, 1, 2, 1, 1});
    ASSERT_TRUE(machine.canGamble());
    PlayerRecord other;
    other.bank = 5000;
    machine.switchPlayer(other);
    EXPECT_FALSE(machine.canGamble());
    EXPECT_FALSE(machine.openGamble());
    EXPECT_EQ(machine.player().bank, 5000);
}

}  // namespace
}  // namespace kestrel
