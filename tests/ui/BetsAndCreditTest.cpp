#include <gtest/gtest.h>

#include <QPushButton>
#include <limits>

#include "CabinetMode.h"
#include "CreditLimit.h"
#include "Credits.h"
#include "Sounds.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;

using test::kLosingStops;
using test::kThreeSpecials;

class BetsAndCredit : public test::WindowFixture {
protected:
    qint64 markerPicture(int m) const {
        return control<QLabel>(QStringLiteral("lin%1").arg(m))->pixmap().cacheKey();
    }
    qint64 linepic(int i) const { return art().picture(PictureList::linepics, i).cacheKey(); }
};

TEST_F(BetsAndCredit, LineButtonLightsThePlayedMarkersAndDimsTheRest) {
    openWith(1000);
    spin(kLosingStops);
    press("payline3");
    EXPECT_EQ(window->machine().linesPlayed(), 10);
    for (int m = 1; m <= 25; ++m) {
        EXPECT_EQ(markerPicture(m), linepic(m <= 10 ? m : m + 25)) << "marker " << m;
    }
    EXPECT_EQ(markerPicture(26), linepic(1));
    // The last result is cleared from the reels.
    EXPECT_FALSE(control("flasher1")->isVisible());
    EXPECT_EQ(control<QLabel>("Picture1")->pixmap().cacheKey(),
              art().picture(PictureList::spinlist, 12).cacheKey());
    EXPECT_TRUE(control("payline3")->isVisible());  // pressed look ended on release
    spin(kLosingStops, 1);
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 - 10);
}

TEST_F(BetsAndCredit, LineButtonDuringTheScatterDanceKeepsTheLastResultOffTheReels) {
    openWith(1000);
    spin({1, 1, 2, 1, 1});  // two specials: the scatter dances
    ASSERT_TRUE(timer("Timerscatters")->isActive());
    press("payline1");
    clock.advance(1000);
    EXPECT_EQ(cellsShown(), 0);
}

// A spin is paid on the lines it was bet on: the line buttons wait for it to settle.
TEST_F(BetsAndCredit, LineButtonsWaitWhileTheReelsTurn) {
    openWith(1000);
    startSpin({2, 3, 1, 1, 1});  // lines 3 and 7 win
    EXPECT_FALSE(control("payline1")->isEnabled());
    QTest::mousePress(control("payline1"), Qt::LeftButton);  // even if it could be reached
    EXPECT_EQ(window->machine().linesPlayed(), 25);
    clock.advance(2000);
    EXPECT_TRUE(control("payline1")->isEnabled());
    EXPECT_TRUE(timer("tmrlineflash")->isActive());  // the lines it won on are shown
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 + window->machine().spinWin());
    for (int m = 1; m <= 25; ++m) {
        EXPECT_EQ(markerPicture(m), linepic(m)) << m;  // all 25 still lit
    }
}

TEST_F(BetsAndCredit, TwentyFiveLinesAtTwentyNeedFiveHundred) {
    openWith(499);
    press("pplay6");
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_EQ(window->machine().betPerLine(), 20);
    EXPECT_EQ(window->machine().player().bank, 499);
    press("notes");
    EXPECT_FALSE(control("pannomoney")->isVisible());
    spin(kLosingStops, 6);
    EXPECT_EQ(window->machine().player().bank, 5499 - 500);
}

TEST_F(BetsAndCredit, NoteAddsFiftyDollarsWithAClick) {
    openWith(0);
    sounds.entries.clear();
    press("notes");
    EXPECT_EQ(window->machine().player().bank, 5000);
    EXPECT_EQ(window->machine().player().amountinvested, 5000);
    EXPECT_EQ(text("PANELBANK"), "5000");
    EXPECT_EQ(text("Lblcredit"), "$ 50");
    EXPECT_EQ(sounds.resources(), std::vector<int>{sound::kClick});
}

// Near the most the credit can hold, money is turned away and a bet whose win might not fit is
// refused, each time with a word to the player; a smaller bet still plays.
TEST_F(BetsAndCredit, CreditNearItsLimitTurnsMoneyAndLargeBetsAwayAndSaysSo) {
    openWith(std::numeric_limits<std::int32_t>::max() - 7000);
    for (int i = 0; i < 5; ++i) {
        press("notes");
    }
    EXPECT_EQ(window->machine().player().bank, std::numeric_limits<std::int32_t>::max() - 2000);
    EXPECT_EQ(window->machine().player().amountinvested, 5000);
    ASSERT_EQ(messages.shown.size(), 4u);
    // The coins (350) still fit: the word is about the note alone.
    EXPECT_TRUE(messages.shown[0].text.contains("to take a $50 note"));
    EXPECT_FALSE(messages.shown[0].text.contains("takes no more money"));

    // Each refusal offers only what is left to choose.
    press("pplay1");  // 1 a line on 25 lines: a win could reach 38,000
    EXPECT_EQ(window->machine().player().games, 0);
    ASSERT_EQ(messages.shown.size(), 5u);
    EXPECT_TRUE(messages.shown[4].text.endsWith("Choose fewer lines."));
    press("pplay2");  // 2 a line
    ASSERT_EQ(messages.shown.size(), 6u);
    EXPECT_TRUE(messages.shown[5].text.endsWith("Choose fewer lines or a smaller bet."));
    EXPECT_FALSE(control("pannomoney")->isVisible());
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    press("payline1");
    press("pplay6");  // 20 on one line: a win could reach 30,400
    ASSERT_EQ(messages.shown.size(), 7u);
    EXPECT_TRUE(messages.shown[6].text.endsWith("Choose a smaller bet."));
    spin(kLosingStops);
    EXPECT_EQ(window->machine().player().games, 1);
}

// A press of the coin button drops fourteen coins: where only some of them would fit, the press
// is turned away whole (no coin falls that the credit does not take), and a refused note does
// not promise that the coins still fit.
TEST_F(BetsAndCredit, CoinsThatWouldNotAllFitAreTurnedAwayWithThePress) {
    openWith(kHighestCreditToInsert - 4 * kCoinCredits);
    press("notes");
    press("coinsin");
    clock.advance(10000);
    EXPECT_EQ(window->machine().player().bank, kHighestCreditToInsert - 4 * kCoinCredits);
    EXPECT_EQ(window->machine().coinsPending(), 0);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.contains("takes no more money"));
    EXPECT_TRUE(messages.shown[1].text.contains("takes no more money"));
}

// A win can take the credit past where even one line at one credit plays: the word then offers
// no smaller bet that does not exist.
TEST_F(BetsAndCredit, CreditPastTheSmallestBetSaysNoBetFits) {
    openWith(kHighestCreditToInsert + 1);
    press("payline1");
    press("pplay1");
    EXPECT_EQ(window->machine().player().games, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("even the smallest bet"));
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
}

// Where no box can open at once, the word waits: while the reels turn it comes when the spin has
// settled, and the pay-line view gives way to it.
TEST_F(BetsAndCredit, MoneyTurnedAwayMidSpinOrOnThePaylineViewIsStillExplained) {
    openWith(kHighestCreditToInsert);
    press("payline1");
    startSpin(kLosingStops);
    clock.advance(100);
    press("notes");
    EXPECT_TRUE(messages.shown.empty());
    clock.advance(5000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("takes no more money"));
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(window->machine().player().bank, kHighestCreditToInsert - 1);

    click("viewpaylines");
    ASSERT_EQ(window->mode(), ui::Mode::PaylineView);
    press("notes");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(window->machine().player().bank, kHighestCreditToInsert - 1);
}

TEST_F(BetsAndCredit, NoteDuringFreeSpinsDoesNothing) {
    openWith(1000);
    spin(kThreeSpecials);
    ASSERT_TRUE(window->machine().freeSpinsActive());
    control("notes")->setEnabled(true);  // even if it could be reached
    const auto bank = window->machine().player().bank;
    QTest::mousePress(control("notes"), Qt::LeftButton);
    EXPECT_EQ(window->machine().player().bank, bank);
    EXPECT_TRUE(control("notes")->isVisible());  // not even the pressed look
}

TEST_F(BetsAndCredit, CoinButtonDropsFourteenCoins) {
    openWith(0);
    sounds.entries.clear();
    press("coinsin");
    clock.advance(1500);
    EXPECT_TRUE(control("dollar1")->isVisible() || control("halfcoin1")->isVisible());
    press("coinsin");  // while it runs: adds nothing
    clock.advance(2000);
    EXPECT_EQ(window->machine().player().bank, 350);
    EXPECT_EQ(window->machine().player().amountinvested, 350);
    EXPECT_EQ(text("PANELBANK"), "350");
    EXPECT_EQ(sounds.count(sound::kCoin), 14);
    EXPECT_FALSE(control("dollar1")->isVisible());
    EXPECT_FALSE(control("halfcoin1")->isVisible());
    EXPECT_FALSE(timer("tmrcoins")->isActive());
    EXPECT_TRUE(window->keysEnabled());
}

// The button comes back with the last coin, two ticks before the animation ends: a press then
// must still drop its coins and leave the options reachable.
TEST_F(BetsAndCredit, APressAsTheLastCoinDropsDropsItsOwnCoins) {
    openWith(0);
    press("coinsin");
    clock.advance(2850);
    ASSERT_EQ(window->machine().coinsPending(), 0);
    ASSERT_TRUE(timer("tmrcoins")->isActive());
    press("coinsin");
    clock.advance(4000);
    EXPECT_EQ(window->machine().coinsPending(), 0);
    EXPECT_EQ(window->machine().player().bank, 700);
    EXPECT_TRUE(control("btnoptions")->isEnabled());
    EXPECT_TRUE(control("coinsin")->isEnabled());
}

TEST_F(BetsAndCredit, CoinsDroppingIntoAGambleOrThePaylineViewLeaveTheKeysOff) {
    openWith(1000);
    spin({1, 1, 2, 1, 1});  // a win to gamble
    press("coinsin");
    press("doublebutton");
    clock.advance(1000);
    EXPECT_FALSE(window->keysEnabled());
    sounds.entries.clear();
    key(Qt::Key_Space);
    EXPECT_TRUE(sounds.entries.empty());
    EXPECT_TRUE(control("pplay1")->isVisible());
    clock.advance(3000);

    click("cancelbet");
    press("coinsin");
    control<QPushButton>("viewpaylines")->click();
    clock.advance(1000);
    EXPECT_FALSE(window->keysEnabled());
    key(Qt::Key_Space);
    EXPECT_EQ(window->machine().phase(), Machine::Phase::Idle);
    click("Btnreturn2game");
    EXPECT_TRUE(window->keysEnabled());
}

// A win while the coins fall may leave no room for the last of them near the credit's ceiling:
// those coins are not credited, so they make no sound, and the player is told once.
TEST_F(BetsAndCredit, CoinsTurnedAwayAsTheyFallAreNotHeardAndAreExplained) {
    openWith(kHighestCreditToInsert - kCoinPressCredits);
    press("payline1");
    press("coinsin");
    clock.advance(250);
    spin(kThreeSpecials, 1);  // the feature's total and its next spin take the coins' room
    ASSERT_TRUE(window->machine().freeSpinsActive());
    clock.advance(3000);
    ASSERT_EQ(window->machine().coinsPending(), 0);
    const std::int32_t credited = window->machine().player().amountinvested;
    ASSERT_LT(credited, kCoinPressCredits);
    EXPECT_EQ(sounds.count(sound::kCoin), credited / kCoinCredits);
    EXPECT_TRUE(messages.shown.empty());  // no box over the running feature
    playFreeSpins(window->machine().freeSpins().spinsLeft());
    ASSERT_EQ(window->mode(), ui::Mode::FeatureWon);  // the box came and went over its end
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(
        QString::number(kCoinsPerPress - credited / kCoinCredits) + " of the coins"));
    press("takewin");
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(messages.shown.size(), 1u);
}

// Coins turned away while the last games or the pay table are open are explained when they
// close, not after some later spin.
TEST_F(BetsAndCredit, CoinsTurnedAwayBehindTheLastGamesOrThePayTableAreExplainedWhenTheyClose) {
    for (const bool payTable : {false, true}) {
        SCOPED_TRACE(payTable ? "pay table" : "last games");
        settings = {};
        messages.shown.clear();
        openWith(kHighestCreditToInsert - kCoinPressCredits);
        press("payline1");
        press("coinsin");
        clock.advance(250);
        startSpin({5, 5, 5, 1, 1});  // line 1 wins: the last coins have no room left
        ASSERT_TRUE(advanceUntil([&] { return window->mode() == ui::Mode::Idle; }, 2000));
        ASSERT_GT(window->machine().coinsPending(), 0);
        click(payTable ? "mnuviewpaytable" : "lastgames");
        ASSERT_EQ(window->mode(), payTable ? ui::Mode::Dialog : ui::Mode::LastGames);
        clock.advance(3000);
        ASSERT_EQ(window->machine().coinsPending(), 0);
        EXPECT_TRUE(messages.shown.empty());
        const std::int32_t credited = window->machine().player().amountinvested;
        ASSERT_LT(credited, kCoinPressCredits);
        if (payTable) {
            QWidget* pays = topLevel("kestrelpays");
            ASSERT_NE(pays, nullptr);
            pays->close();
            clock.settle();
        } else {
            click("lastgamesback");
        }
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.contains(
            QString::number(kCoinsPerPress - credited / kCoinCredits) + " of the coins"));
        EXPECT_EQ(window->mode(), ui::Mode::Idle);

        spin(kLosingStops);  // nothing is left to tell after the next spin
        EXPECT_EQ(window->machine().player().games, 2);
        EXPECT_EQ(messages.shown.size(), 1u);
        window.reset();
    }
}

TEST_F(BetsAndCredit, CoinsAreSilentWithSoundsOff) {
    openWith(0, 1, false);
    press("coinsin");
    clock.advance(4000);
    EXPECT_EQ(window->machine().player().bank, 350);
    EXPECT_TRUE(sounds.entries.empty());
}

}  // namespace
}  // namespace kestrel
