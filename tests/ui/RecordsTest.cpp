#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "CabinetMode.h"
#include "Sounds.h"

#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;
using test::kTwoSpecials;

class Records : public test::WindowFixture {
protected:
    QString notice() const {
        QWidget* label = control("storenotice");
        return label->isVisible() ? control<QLabel>("storenotice")->text() : QString();
    }
    // Opens the options and closes them with O.K.: a moment the record is saved.
    void saveThroughTheOptions() {
        press("btnoptions");
        clickInDialog("btnokplayer");
    }
};

// Records that cannot be read: the player is told which file and why, and plays on from
// nothing; the file is never written over.
TEST_F(Records, AnUnreadableFileIsNamedAndTheGameGoesOn) {
    storePlayer(1000);
    settings.failReads("there is no permission to read it");
    open();
    EXPECT_TRUE(notice().contains(test::MemorySettingsStore::kFile));
    EXPECT_TRUE(notice().contains("there is no permission to read it"));
    EXPECT_EQ(window->machine().player().bank, 0);
    press("notes");
    spin(kLosingStops);
    EXPECT_EQ(window->machine().player().games, 1);
    saveThroughTheOptions();
    EXPECT_TRUE(notice().contains("could not be read"));
}

TEST_F(Records, AFailedSaveIsShownUntilTheNextOneSucceeds) {
    openWith(1000);
    EXPECT_EQ(notice(), "");
    settings.failWrites("the disk is full");
    saveThroughTheOptions();
    EXPECT_EQ(notice(), QStringLiteral("Could not save the player records to %1: the disk is full.")
                            .arg(test::MemorySettingsStore::kFile));
    spin(kLosingStops);  // the game goes on
    settings.failWrites(QString());
    saveThroughTheOptions();
    EXPECT_EQ(notice(), "");
}

// Money in a picked player's record that cannot be read is said when the player is picked, as
// at the start: why the credit is 0, and where the file as it was is kept.
TEST_F(Records, UnreadableMoneyOfAPlayerPickedInTheOptionsIsSaid) {
    storePlayer(1000);
    settings.setValue("player2", "currentplayer", "ann");
    settings.setValue("player2", "bank", "2,000");
    open();
    press("btnoptions");
    clickInDialog("machine2");
    EXPECT_EQ(window->machine().player().bank, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, 'w');
    EXPECT_TRUE(messages.shown[0].text.contains("bank in [player2]"));
    EXPECT_TRUE(messages.shown[0].text.contains(test::MemorySettingsStore::kDamagedCopy));
    clickInDialog("machine1");  // a record read whole says nothing
    EXPECT_EQ(messages.shown.size(), 1u);
    clickInDialog("btnokplayer");
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
}

TEST_F(Records, ALongNoticeShowsAllItsLines) {
    openWith(1000);
    settings.failWrites(
        "the folder /home/somebody-with-a-long-name/.config/kestrelslot/"
        "a/folder/nested/deeper/than/most/people/keep/their/records cannot be "
        "written, as it belongs to another user of this computer, who has not "
        "given anybody else the right to write there, and the records of this "
        "player stay as they were before");
    saveThroughTheOptions();
    const auto* label = control<QLabel>("storenotice");
    ASSERT_TRUE(label->isVisible());
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    settings.failWrites(QString());
    saveThroughTheOptions();
    settings.failWrites("the disk is full");
    saveThroughTheOptions();
    EXPECT_EQ(label->height(), 54);  // a short one keeps the usual box
}

// The record on the disk follows the credit: after a settled spin, a note, coins, a take-win and
// every step of a gamble, without the program ever exiting.
TEST_F(Records, TheRecordOnTheDiskFollowsEveryStep) {
    openWith(1000);
    const auto stored = [&] { return settings.value("player1", "bank").toInt(); };
    spin(kTwoSpecials);
    EXPECT_EQ(stored(), 1000);
    EXPECT_EQ(settings.value("player1", "games"), "1");
    press("notes");
    EXPECT_EQ(stored(), 6000);
    press("coinsin");
    clock.advance(3000);
    EXPECT_EQ(stored(), 6350);
    spin(kTwoSpecials);
    press("doublebutton");
    EXPECT_EQ(stored(), 6350 - 25);
    random.push({1});  // hearts: red wins
    control<QPushButton>("betred")->click();
    clock.advance(1000);
    click("cancelbet");
    EXPECT_EQ(stored(), 6350 + 25);
}

// Money is saved the moment it goes in: while the reels turn (with the spin beside it), and in
// the moment a losing spin rests before saying so.
TEST_F(Records, MoneyPutInIsSavedAtOnceWhetherTheReelsTurnOrNot) {
    openWith(1000);
    const auto stored = [&] { return settings.value("player1", "bank").toInt(); };
    startSpin(kLosingStops);
    press("notes");
    EXPECT_EQ(stored(), 5975);
    for (int t = 0; t < 500 && window->machine().phase() == Machine::Phase::Spinning; ++t) {
        clock.advance(10);
    }
    EXPECT_EQ(stored(), 5975);
    ASSERT_EQ(window->mode(), ui::Mode::Spinning);  // the losing spin's rest
    press("notes");
    EXPECT_EQ(stored(), 10975);
}

class GameTakenUp : public Records {
protected:
    // The program dies on the spot: no shutdown, nothing saved on the way out. A new one starts
    // on the same records.
    void killAndStartAgain() {
        window.reset();
        open();
    }
    // Player 2 picked in the options, with a note put in.
    void seatPlayerTwo() {
        press("btnoptions");
        clickInDialog("machine2");
        clickInDialog("btnokplayer");
        press("notes");
    }
};

TEST_F(GameTakenUp, ASpinCutOffWhileTheReelsTurnTurnsOntoItsStopsAndIsPaidOnce) {
    openWith(1000);
    startSpin(kTwoSpecials, 5);  // 250 on 25 lines at 10
    clock.advance(600);
    ASSERT_EQ(settings.value("player1", "bank"), "750");  // charged and saved before it showed
    killAndStartAgain();  // nothing left in the script: a second draw would fail the test
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    EXPECT_EQ(text("LABWIN"), "Good Luck");
    clock.advance(3000);
    EXPECT_EQ(window->machine().player().bank, 1000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
    for (int r = 1; r <= kReels; ++r) {
        EXPECT_EQ(window->machine().records().reelStop[r], kTwoSpecials[r - 1]);
    }
    killAndStartAgain();  // at rest now: a fresh start, nothing paid again
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(window->machine().player().bank, 1000);
    EXPECT_EQ(window->machine().linesPlayed(), 25);
    EXPECT_EQ(window->machine().betPerLine(), 1);
}

// A note put in while the reels turn is the player's once the machine took it: a cut before the
// spin settles keeps it. Coins still dropping when a spin starts are saved as still to drop, so
// a cut then neither loses nor doubles one.
TEST_F(GameTakenUp, MoneyPutInWhileTheReelsTurnSurvivesACut) {
    openWith(1000);
    startSpin(kLosingStops);
    press("notes");
    ASSERT_EQ(window->machine().player().bank, 5975);
    killAndStartAgain();
    clock.advance(4000);
    EXPECT_EQ(window->machine().player().bank, 5975);
    EXPECT_EQ(window->machine().player().amountinvested, 5000);

    press("coinsin");
    for (int t = 0; t < 100 && window->machine().coinsPending() > 10; ++t) {
        clock.advance(10);
    }
    startSpin(kLosingStops);
    ASSERT_EQ(window->mode(), ui::Mode::Spinning);
    ASSERT_GT(window->machine().coinsPending(), 0);
    killAndStartAgain();
    clock.advance(10000);
    EXPECT_EQ(window->machine().player().bank, 5950 + 350);
    EXPECT_EQ(window->machine().player().amountinvested, 5350);
}

// A free spin cut off while its reels turn shows its win, and the feature total it makes, only
// once its reels have stopped, as it would have without the cut.
TEST_F(GameTakenUp, AFreeSpinCutOffWhileItTurnsShowsItsWinOnlyOnceItHasStopped) {
    openWith(1000);
    spin(kThreeSpecials);           // 125 into the feature
    random.pushSpin(kTwoSpecials);  // the first free spin pays 25
    advanceUntil([&] { return window->mode() == ui::Mode::Spinning; }, 10000);
    ASSERT_EQ(window->mode(), ui::Mode::Spinning);
    ASSERT_TRUE(window->machine().spinIsFree());
    const QString spinsLeft = text("spinsleft");
    EXPECT_EQ(text("Lblcurrentwin"), "");
    EXPECT_EQ(text("LABWIN"), "125");
    const auto betMeterFace = [&] {
        return std::vector<bool>{
            control("LABTHISWIN")->isVisible(), control("Lblcurrentwin")->isVisible(),
            control("LABLASTBET")->isVisible(), control("lbllast")->isVisible()};
    };
    ASSERT_EQ(betMeterFace(), (std::vector<bool>{true, true, false, false}));
    killAndStartAgain();
    ASSERT_EQ(window->mode(), ui::Mode::Spinning);
    EXPECT_EQ(text("Lblcurrentwin"), "");
    EXPECT_EQ(text("LABWIN"), "125");
    EXPECT_EQ(text("spinsleft"), spinsLeft);
    EXPECT_EQ(betMeterFace(), (std::vector<bool>{true, true, false, false}));
    clock.advance(3000);
    EXPECT_EQ(text("Lblcurrentwin"), "25");
    EXPECT_EQ(text("LABWIN"), "150");
}

// Another player's spin cut off while her reels turned goes on when the program starts again:
// the machine starts on her slot rather than slot 1, and the win is paid once, to her.
TEST_F(GameTakenUp, AnotherPlayersCutOffSpinGoesOnAtTheNextStart) {
    openWith(1000);
    seatPlayerTwo();
    startSpin(kTwoSpecials, 5);  // 250 on 25 lines at 10
    clock.advance(600);
    ASSERT_EQ(settings.value("player2", "bank"), "4750");
    killAndStartAgain();
    EXPECT_EQ(window->playernumber(), "2");
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    EXPECT_EQ(text("PANELBANK"), "4750");
    clock.advance(5000);
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(text("LABWIN"), "250");
    EXPECT_EQ(settings.value("player2", "bank"), "5000");
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
    EXPECT_EQ(window->machine().player().games, 1);
}

TEST_F(GameTakenUp, AFeatureGoesOnWhereItWasAndPaysItsTotal) {
    openWith(1000);
    spin(kThreeSpecials);  // 125 into the feature, ten spins to come
    playFreeSpins(3);
    ASSERT_EQ(window->machine().freeSpins().played(), 4);
    sounds.entries.clear();
    killAndStartAgain();
    EXPECT_EQ(window->mode(), ui::Mode::FreeSpins);
    ASSERT_FALSE(sounds.entries.empty());
    EXPECT_EQ(sounds.entries.back().resource, ui::sound::kFreeSpinTune);
    EXPECT_TRUE(sounds.entries.back().loop);
    EXPECT_EQ(text("spinsleft"), "7");
    EXPECT_TRUE(control("spinsleft")->isVisible());
    EXPECT_FALSE(control("panfreespin")->isVisible());
    for (int i = 0; i < 7; ++i) {
        random.pushSpin(kLosingStops);
    }
    advanceUntil([&] { return window->mode() == ui::Mode::Spinning; }, 10000);
    ASSERT_EQ(window->mode(), ui::Mode::Spinning);
    sounds.entries.clear();
    killAndStartAgain();  // cut while a free spin turns: it turns on to the tune
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    ASSERT_FALSE(sounds.entries.empty());
    EXPECT_EQ(sounds.entries.back().resource, ui::sound::kFreeSpinTune);
    ASSERT_TRUE(advanceUntil([&] { return window->machine().featureCompleted(); }, 70000));
    killAndStartAgain();  // the total waits to be taken, after a cut too
    EXPECT_EQ(window->mode(), ui::Mode::FeatureWon);
    EXPECT_TRUE(control("takewin")->isVisible());
    press("takewin");
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 + 125);
    EXPECT_EQ(settings.value("player1", "bank"), "1100");
}

TEST_F(GameTakenUp, AnOpenGambleReopensWithItsAmountAndItsCards) {
    openWith(1000);
    spin(kTwoSpecials);
    press("doublebutton");
    random.push({3});  // diamonds: red doubles 25 to 50
    control<QPushButton>("betred")->click();
    clock.advance(1000);
    ASSERT_EQ(text("LABWIN"), "25");  // the stake: a right guess leaves the meter as it is
    killAndStartAgain();
    EXPECT_EQ(window->mode(), ui::Mode::Gamble);
    EXPECT_TRUE(control("pandouble")->isVisible());
    EXPECT_EQ(text("risklab"), "At Risk  50");
    EXPECT_EQ(text("LABWIN"), "25");   // as before the cut
    EXPECT_EQ(text("lbllast"), "25");  // the bet that won what is at risk
    EXPECT_TRUE(control("historypic1")->isVisible());
    click("cancelbet");
    EXPECT_EQ(window->machine().player().bank, 1025);
    EXPECT_EQ(settings.value("player1", "bank"), "1025");
}

// Lines changed after a win do not change the bet that won it: a gamble taken up after a cut
// shows that bet beside the stake, as it did before.
TEST_F(GameTakenUp, AGambleTakenUpShowsTheBetOfItsGameAfterTheLinesChanged) {
    openWith(1000);
    spin(kTwoSpecials);  // 25 on 25 lines at 1
    press("payline1");   // one line from now on
    ASSERT_EQ(window->machine().totalBet(), 1);
    press("doublebutton");
    ASSERT_EQ(window->mode(), ui::Mode::Gamble);
    ASSERT_EQ(text("lbllast"), "25");
    killAndStartAgain();
    ASSERT_EQ(window->mode(), ui::Mode::Gamble);
    EXPECT_EQ(text("lbllast"), "25");
    EXPECT_EQ(text("LABWIN"), "25");
}

TEST_F(GameTakenUp, CoinsStillToDropGoOnDropping) {
    openWith(0);
    press("coinsin");
    clock.advance(1000);  // five coins in
    ASSERT_EQ(settings.value("player1", "bank"), "125");
    killAndStartAgain();
    sounds.entries.clear();
    clock.advance(2000);  // the nine left fall as the end of a press, one sound each
    EXPECT_EQ(window->machine().player().bank, 350);
    EXPECT_EQ(window->machine().player().amountinvested, 350);
    EXPECT_EQ(sounds.count(ui::sound::kCoin), 9);
    EXPECT_FALSE(timer("tmrcoins")->isActive());
    EXPECT_TRUE(control("btnoptions")->isEnabled());
}

// The press is the player's money from the moment it is taken, before its first coin falls.
// Coins inserted after a win keep the game in progress, and with it the win's gamble offer: the
// window taken up shows that win and its bet, as before the cut, beside the gamble button.
TEST_F(GameTakenUp, AWinOnOfferWhileCoinsDropIsShownAfterACut) {
    openWith(1000);
    spin(kTwoSpecials, 2);  // 50 on 25 lines at 2
    press("payline1");      // 2 from now on
    press("coinsin");
    clock.advance(150);
    ASSERT_GT(window->machine().coinsPending(), 0);
    ASSERT_EQ(text("LABWIN"), "50");
    killAndStartAgain();
    ASSERT_TRUE(control("doublebutton")->isEnabled());
    EXPECT_EQ(text("LABWIN"), "50");
    EXPECT_EQ(text("lbllast"), "50");
    press("doublebutton");
    EXPECT_EQ(text("risklab"), "At Risk  50");
}

TEST_F(GameTakenUp, APressCutOffBeforeItsFirstCoinStillDropsAllItsCoins) {
    openWith(0);
    press("coinsin");
    ASSERT_EQ(window->machine().coinsPending(), 14);
    killAndStartAgain();
    clock.advance(4000);
    EXPECT_EQ(window->machine().player().bank, 350);
    EXPECT_EQ(window->machine().player().amountinvested, 350);
    EXPECT_EQ(settings.value("player1", "bank"), "350");
}

TEST_F(GameTakenUp, ADamagedSavedGameIsSaidAndTheRecordStands) {
    openWith(1000);
    startSpin(kTwoSpecials);
    settings.setValue("game1", "spinpays", "30000");  // no longer what the stops pay
    killAndStartAgain();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().kind, 'w');
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(window->machine().player().bank, 975);  // as saved: the bet went in, nothing more
}

// The same is said when the player with the damaged game is picked in the options.
TEST_F(GameTakenUp, ADamagedSavedGameOfAnotherPlayerIsSaidWhenTheyArePicked) {
    openWith(1000);
    seatPlayerTwo();
    startSpin(kTwoSpecials);
    settings.setValue("game2", "check", "0");  // the second player's game, damaged
    killAndStartAgain();
    ASSERT_EQ(window->playernumber(), "1");
    ASSERT_TRUE(messages.shown.empty());
    press("btnoptions");
    clickInDialog("machine2");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, 'w');
    EXPECT_TRUE(messages.shown[0].text.contains("damaged"));
    clickInDialog("btnokplayer");
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_EQ(window->machine().player().bank, 4975);  // as saved: the bet went in, nothing more
}

}  // namespace
}  // namespace kestrel
