#include <gtest/gtest.h>

#include <limits>

#include "Cards.h"
#include "MachineFixture.h"
#include "RandomSource.h"

namespace kestrel {
namespace {

using test::kClubs;
using test::kDiamonds;
using test::kHearts;
using test::kLosingStops;
using test::kSpades;
using test::kThreeSpecials;

// Settles a paid win of exactly 100 credits, ready to gamble.
class GambleOnAWin : public test::MachineFixture {
protected:
    void SetUp() override {
        random.pushSpin({1, 1, 2, 1, 1});  // two specials pay 1 × the total bet
        machine.play(4);                   // 5 per line × 25 lines: wins 125
        machine.settle();
        bankBefore = machine.player().bank;
        totalBefore = machine.player().total;
    }
    std::int32_t bankBefore = 0;
    std::int32_t totalBefore = 0;
};

TEST_F(GambleOnAWin, OpeningTakesTheStakeOutOfTheCredit) {
    ASSERT_EQ(machine.gambleStake(), 125);
    ASSERT_TRUE(machine.openGamble());
    EXPECT_EQ(machine.atRisk(), 125);
    EXPECT_EQ(machine.player().bank, bankBefore - 125);
    EXPECT_FALSE(machine.openGamble());            // one gamble per win
    EXPECT_EQ(machine.play(1), PlayResult::Busy);  // no spin while it is open
}

TEST_F(GambleOnAWin, ThreeRightColoursThenCollectPayEightTimesTheStake) {
    ASSERT_TRUE(machine.openGamble());
    random.push({kHearts, kClubs, kDiamonds});
    EXPECT_TRUE(machine.guessColour(CardColour::Red).won);
    EXPECT_TRUE(machine.guessColour(CardColour::Black).won);
    EXPECT_TRUE(machine.guessColour(CardColour::Red).won);
    EXPECT_EQ(machine.atRisk(), 1000);
    EXPECT_TRUE(machine.collect());
    EXPECT_EQ(machine.player().bank, bankBefore + 875);
    EXPECT_EQ(machine.player().total, totalBefore + 875);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
}

TEST_F(GambleOnAWin, RightThenWrongLosesTheStakeAndLeavesTotalAlone) {
    ASSERT_TRUE(machine.openGamble());
    random.push({kSpades, kSpades});
    EXPECT_TRUE(machine.guessColour(CardColour::Black).won);
    const GuessResult lost = machine.guessColour(CardColour::Red);
    EXPECT_FALSE(lost.won);
    EXPECT_EQ(lost.card, kSpades);
    EXPECT_FALSE(machine.gambleOpen());
    EXPECT_FALSE(machine.collect());
    EXPECT_EQ(machine.player().bank, bankBefore - 125);
    EXPECT_EQ(machine.player().total, totalBefore);
}

TEST_F(GambleOnAWin, SuitGuessPaysFourTimesOnlyOnItsCard) {
    ASSERT_TRUE(machine.openGamble());
    random.push({kClubs, kHearts});
    EXPECT_TRUE(machine.guessSuit(kClubs).won);
    EXPECT_EQ(machine.atRisk(), 500);
    EXPECT_FALSE(machine.guessSuit(kDiamonds).won);
    EXPECT_EQ(machine.atRisk(), 0);
}

TEST_F(GambleOnAWin, DoublingPastTheLimitKeepsTheAmount) {
    ASSERT_TRUE(machine.openGamble());
    for (int i = 0; i < 30; ++i) {
        random.push({kHearts});
        EXPECT_TRUE(machine.guessColour(CardColour::Red).won);
        EXPECT_GT(machine.atRisk(), 0);
    }
    EXPECT_EQ(machine.atRisk(), 125 << 24);  // the 25th doubling would overflow
    EXPECT_TRUE(machine.collect());
    EXPECT_EQ(machine.player().bank, bankBefore - 125 + (125 << 24));
}

// Whatever the gamble grows to, collecting it must fit into the credit: no amount at stake is
// ever lost to the credit's limit.
TEST_F(GambleOnAWin, AmountNeverOutgrowsWhatTheCreditCanTake) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    ASSERT_TRUE(machine.openGamble());
    setCredit(kMax - 1000);
    random.push({kHearts, kHearts, kHearts, kHearts});
    for (int i = 0; i < 4; ++i) {
        machine.guessColour(CardColour::Red);
    }
    EXPECT_EQ(machine.atRisk(), 1000);   // 125 → 250 → 500 → 1000, then 2000 would not fit
    EXPECT_FALSE(machine.pressCoins());  // nor may coins squeeze it out
    EXPECT_FALSE(machine.dropCoin());
    EXPECT_TRUE(machine.collect());
    EXPECT_EQ(machine.player().bank, kMax);
}

// The history strip shows the last five cards of the gamble, oldest first; a new gamble starts
// with none.
TEST_F(GambleOnAWin, CardsDrawnAreKeptLastFiveOldestFirst) {
    ASSERT_TRUE(machine.openGamble());
    random.push({kHearts, kClubs, kDiamonds, kSpades, kHearts, kClubs, kDiamonds});
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(machine.guessColour(i % 2 == 0 ? CardColour::Red : CardColour::Black).won);
    }
    EXPECT_EQ(machine.cardsDrawn(), (DrawnCards{6, {kClubs, kDiamonds, kSpades, kHearts, kClubs}}));
    EXPECT_FALSE(machine.guessColour(CardColour::Black).won);  // diamonds: lost
    EXPECT_EQ(machine.snapshot().cards, DrawnCards{});

    random.pushSpin({1, 1, 2, 1, 1});
    machine.play(4);
    machine.settle();
    ASSERT_TRUE(machine.openGamble());
    random.push({kSpades});
    machine.guessSuit(kSpades);
    EXPECT_EQ(machine.cardsDrawn(), (DrawnCards{1, {kSpades, 0, 0, 0, 0}}));
}

class GambleOnAFeature : public test::MachineFixture {};

TEST_F(GambleOnAFeature, StakeIsTheFeatureTotalAndCollectCountsOnlyTheGain) {
    spinAndSettle(kThreeSpecials);  // 125 in the feature
    for (int i = 0; i < 9; ++i) {
        spinAndSettle(kLosingStops);
    }
    spinAndSettle({1, 1, 2, 1, 1});  // last spin wins 25: spinWin 25, feature 150
    ASSERT_TRUE(machine.takeWin());
    const auto bank = machine.player().bank;
    const auto total = machine.player().total;
    ASSERT_EQ(machine.spinWin(), 25);
    ASSERT_TRUE(machine.openGamble());
    EXPECT_EQ(machine.atRisk(), 150);
    EXPECT_EQ(machine.heldFeatureWin(), 0);
    random.push({kDiamonds});
    machine.guessColour(CardColour::Red);
    machine.collect();
    EXPECT_EQ(machine.player().bank, bank + 150);
    EXPECT_EQ(machine.player().total, total + 150);  // 300 − 150 staked, not 300 − 25
}

// Over many gambles a guess returns its stake on average: colour doubles at 1/2, suit
// quadruples at 1/4. The bounds are about four and a half standard errors.
TEST(GambleFairness, GuessesKeepTheirExpectedValue) {
    constexpr int kRounds = 100000;
    StdRandom cards(20261206);
    test::ScriptedRandom random(&cards);
    Machine machine(random);
    machine.setLinesPlayed(1);
    for (const bool suit : {false, true}) {
        std::int64_t returned = 0;
        for (int i = 0; i < kRounds; ++i) {
            machine.switchPlayer(test::playerWithCredit(1000));
            random.pushSpin({1, 1, 2, 1, 1});  // wins 1 credit at 1 line × 1
            machine.play(1);
            machine.settle();
            ASSERT_TRUE(machine.openGamble());
            const GuessResult r =
                suit ? machine.guessSuit(1 + i % 4)
                     : machine.guessColour(i % 2 ? CardColour::Red : CardColour::Black);
            returned += r.won ? machine.atRisk() : 0;
            machine.collect();
        }
        const double mean = static_cast<double>(returned) / kRounds;
        EXPECT_NEAR(mean, 1.0, suit ? 0.025 : 0.015) << (suit ? "suit" : "colour");
    }
}

}  // namespace
}  // namespace kestrel
