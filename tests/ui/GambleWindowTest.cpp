#include <gtest/gtest.h>

#include <QPushButton>

#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kTwoSpecials;

class GambleWindow : public test::WindowFixture {
protected:
    void openGambleOnAWin() {
        openWith(1000);
        spin(kTwoSpecials);  // 25 credits
        press("doublebutton");
        ASSERT_TRUE(control("pandouble")->isVisible());
    }
    // Closes the window from a timer, so that it happens inside whatever pause runs then.
    void closeAfter(int ms) {
        ClockTimer* closer = clock.createTimer(window.get(), ms, TimerPrecision::Coarse);
        QObject::connect(closer, &ClockTimer::timeout, window.get(), [this, closer] {
            closer->stop();
            window->close();
        });
        closer->start();
    }
    // Guesses red on this card and lets the reveal and what follows it run out.
    void guessRed(int card) {
        random.push({card});
        control<QPushButton>("betred")->click();
        clock.advance(4000);
    }
};

TEST_F(GambleWindow, OpeningTakesTheStakeAndLocksThePlayControls) {
    openGambleOnAWin();
    EXPECT_EQ(window->machine().player().bank, 975);
    EXPECT_EQ(text("PANELBANK"), "975");
    EXPECT_EQ(text("LABWIN"), "25");
    EXPECT_FALSE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("payline1")->isEnabled());
    EXPECT_FALSE(control("coinsin")->isEnabled());
    EXPECT_FALSE(window->keysEnabled());
    press("btnoptions");  // the options stay shut while the gamble is open
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(GambleWindow, CollectPaysTheDoubledStakeAndFreesTheMachine) {
    openGambleOnAWin();
    guessRed(1);
    control<QPushButton>("cancelbet")->click();
    clock.advance(500);
    EXPECT_EQ(window->machine().player().bank, 1025);
    EXPECT_EQ(text("PANELBANK"), "1025");
    EXPECT_EQ(text("LABWIN"), "50");
    EXPECT_TRUE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("doublebutton")->isEnabled());
    EXPECT_TRUE(window->keysEnabled());
}

// A bet refused for too little credit leaves its panel up; gambling the last win takes it down,
// as the panel would show around the gamble's and outlast it.
TEST_F(GambleWindow, OpeningTakesDownTheNoCreditPanel) {
    openWith(25);
    spin(kTwoSpecials);  // 25 in, 25 won
    press("pplay2");     // 50: too much
    ASSERT_TRUE(control("pannomoney")->isVisible());
    press("doublebutton");
    EXPECT_FALSE(control("pannomoney")->isVisible());
}

TEST_F(GambleWindow, LossShowsNoWinAfterThePause) {
    openGambleOnAWin();
    random.push({2});
    control<QPushButton>("betred")->click();
    clock.advance(3000);  // the card, then the lose picture for three seconds
    EXPECT_TRUE(control("pandouble")->isVisible());
    EXPECT_EQ(text("LABWIN"), "25");
    clock.advance(200);
    EXPECT_FALSE(control("pandouble")->isVisible());
    EXPECT_EQ(text("LABWIN"), "No Win");
    EXPECT_EQ(window->machine().player().bank, 975);
    EXPECT_TRUE(control("pplay1")->isEnabled());
}

TEST_F(GambleWindow, ExitWithTheGambleOpenSavesTheAmountAtStake) {
    openGambleOnAWin();
    guessRed(3);
    window->close();
    EXPECT_EQ(settings.value("player1", "bank"), "1025");
}

TEST_F(GambleWindow, ClosingWhileAGuessIsShownSavesItsOutcome) {
    openGambleOnAWin();
    closeAfter(100);  // during the reveal of a right guess: the doubled amount is collected
    guessRed(1);
    EXPECT_TRUE(window->isShutDown());
    EXPECT_EQ(settings.value("player1", "bank"), "1025");

    openGambleOnAWin();
    closeAfter(1500);  // during the pause after a wrong guess: the stake is gone
    guessRed(2);
    clock.advance(3000);
    EXPECT_TRUE(window->isShutDown());
    EXPECT_EQ(settings.value("player1", "bank"), "975");
}

}  // namespace
}  // namespace kestrel
