#include <gtest/gtest.h>

#include "CreditLimit.h"
#include "GambleFixture.h"
#include "Sounds.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;

using test::kClubs;
using test::kDiamonds;
using test::kHearts;
using test::kSpades;

class GamblePanel : public test::GambleFixture {};

TEST_F(GamblePanel, OpensOnTheWinWithTheBackAndWhatEachGuessWouldPay) {
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(panel->open());  // nothing won yet: no gamble
    openOnAWin(25, 6);            // 25 lines × 20 wins 500
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->objectName(), "pandouble");
    EXPECT_EQ(panel->geometry(), layout::kGamblePanel);
    EXPECT_EQ(sounds, std::vector<int>{sound::kClick});
    EXPECT_EQ(machine.player().bank, bankBefore - 500);
    EXPECT_EQ(text("risklab"), "At Risk  500");
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 1000");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 2000");
    EXPECT_EQ(text("Lblpasthistory"), "past history");
    EXPECT_EQ(control<QLabel>("piccardholder")->pixmap().toImage(),
              art().picture(PictureList::imagelistcards, kCardBack).toImage());
    EXPECT_TRUE(pressesEnabled());
    EXPECT_FALSE(control("gamblewin")->isVisible());
    EXPECT_FALSE(control("gamblelose")->isVisible());

    guess("betblack", kSpades);
    EXPECT_EQ(text("risklab"), "At Risk  1000");
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 2000");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 4000");
    EXPECT_TRUE(pressesEnabled());
}

TEST_F(GamblePanel, ThreeRightColoursOnAHundredThenCollectPaysEightHundred) {
    openOnAWin(5, 6);  // 5 lines × 20
    guess("betred", kHearts);
    guess("betblack", kClubs);
    guess("betred", kDiamonds);
    EXPECT_EQ(text("risklab"), "At Risk  800");
    EXPECT_EQ(machine.player().bank, bankBefore - 100);  // nothing paid before collecting
    click("cancelbet");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(collectedAmounts, std::vector<std::int32_t>{800});
    EXPECT_EQ(machine.player().bank, bankBefore + 700);
    EXPECT_EQ(machine.player().total, totalBefore + 700);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
    // The black button clicks as it is pressed; red does not.
    EXPECT_EQ(sounds, (std::vector<int>{sound::kClick, sound::kRedRight, sound::kClick,
                                        sound::kBlackRight, sound::kRedRight, sound::kCollect}));
    EXPECT_TRUE(lostAt.empty());
}

TEST_F(GamblePanel, RightThenWrongLosesTheStakeAndTheNextGambleStartsClean) {
    openOnAWin(5, 6);
    guess("betblack", kSpades);
    guess("betblack", kHearts);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(lostAt.size(), 1u);
    EXPECT_TRUE(collectedAmounts.empty());
    EXPECT_EQ(machine.player().bank, bankBefore - 100);
    EXPECT_EQ(machine.player().total, totalBefore);
    EXPECT_EQ(text("risklab"), "No Win  ");
    EXPECT_FALSE(control("lblblackred")->isVisibleTo(panel));
    EXPECT_FALSE(control("lblsuit")->isVisibleTo(panel));
    EXPECT_TRUE(pressesDisabled());
    EXPECT_EQ(sounds, (std::vector<int>{sound::kClick, sound::kClick, sound::kBlackRight,
                                        sound::kClick, sound::kGuessWrong}));

    openOnAWin(25, 1);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(pressesEnabled());
    EXPECT_EQ(text("risklab"), "At Risk  25");
    EXPECT_TRUE(control("lblblackred")->isVisible());
    EXPECT_EQ(text("lblsuit"), "Suit Win = 100");
    EXPECT_FALSE(control("gamblelose")->isVisible());
    EXPECT_EQ(control<QLabel>("piccardholder")->pixmap().toImage(),
              art().picture(PictureList::imagelistcards, kCardBack).toImage());
}

TEST_F(GamblePanel, SuitGuessPaysFourTimesOnItsOwnCardOnly) {
    openOnAWin(25, 1);
    sounds.clear();
    guess("suitbet2", kClubs);
    EXPECT_EQ(machine.atRisk(), 100);
    EXPECT_EQ(text("risklab"), "At Risk  100");
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 200");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 400");
    EXPECT_EQ(sounds, std::vector<int>{sound::kSuitRight[2]});

    guess("suitbet3", kHearts);
    EXPECT_FALSE(machine.gambleOpen());
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(sounds, (std::vector<int>{sound::kSuitRight[2], sound::kGuessWrong}));
    EXPECT_EQ(machine.player().bank, bankBefore - 25);
}

// 25 × 4¹³ = 1677721600: twice and four times that leave the 32-bit range, so a right guess
// keeps the amount, and the lines say what it would be.
TEST_F(GamblePanel, AmountPastTheRangeStaysAndItsLinesSaySo) {
    openOnAWin(25, 1);
    for (int i = 0; i < 12; ++i) {
        guess("suitbet1", kHearts);
    }
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 838860800");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 1677721600");
    guess("suitbet1", kHearts);
    ASSERT_EQ(machine.atRisk(), 1677721600);
    EXPECT_EQ(text("risklab"), "At Risk  1677721600");
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 1677721600");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 1677721600");

    guess("suitbet4", kSpades);
    guess("betred", kDiamonds);
    EXPECT_EQ(machine.atRisk(), 1677721600);
    EXPECT_EQ(text("risklab"), "At Risk  1677721600");
    EXPECT_TRUE(pressesEnabled());
    click("cancelbet");
    EXPECT_EQ(collectedAmounts, std::vector<std::int32_t>{1677721600});
}

// Near the credit's ceiling a right guess raises the amount only as far as collecting still
// fits; the lines show what a right guess really leaves at risk.
TEST_F(GamblePanel, NearTheCreditsCeilingTheLinesShowWhatARightGuessKeeps) {
    machine.switchPlayer(test::playerWithCredit(kCreditLimit - largestSpinWin(1, 1)));
    openOnAWin(1, 1);
    for (int i = 0; i < 10; ++i) {
        const bool colour = i % 3 == 2;
        const QString promised = colour ? text("lblblackred") : text("lblsuit");
        guess(colour ? "betred" : "suitbet1", kHearts);
        EXPECT_EQ(promised, (colour ? "Black/Red Win = " : "Suit Win = ") +
                                QString::number(machine.atRisk()));
    }
    EXPECT_LT(machine.atRisk(), 1 << 16);  // the ceiling was reached
    EXPECT_LE(machine.atRisk(), kCreditLimit - machine.player().bank);
}

}  // namespace
}  // namespace kestrel
