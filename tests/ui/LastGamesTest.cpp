#include <gtest/gtest.h>

#include <limits>

#include <QApplication>
#include <QDateTime>
#include <QPushButton>

#include "LastGamesText.h"
#include "LastGamesView.h"
#include "LineOverlay.h"
#include "PaylinePaths.h"
#include "ReelWindow.h"
#include "SavedHistory.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;
using test::kTwoSpecials;

class LastGames : public test::WindowFixture {
protected:
    void openView() {
        hover(control("btnopenmenu"));
        click("lastgames");
    }
    QString title() const { return text("lastgamestitle"); }
    QString figures() const { return text("lastgamesfigures"); }
    std::array<int, kReels> reelStops() const {
        const SpinRecords& shown = window->reelWindow().shown();
        return {shown.reelStop[1], shown.reelStop[2], shown.reelStop[3], shown.reelStop[4],
                shown.reelStop[5]};
    }

    // Three games: a feature of ten free spins, the first of them a win, its total taken; a
    // win of 25 gambled once on red and collected at 50; a loss.
    void playASession() {
        spin(kThreeSpecials);
        random.pushSpin(kTwoSpecials);
        for (int i = 1; i < 10; ++i) {
            random.pushSpin(kLosingStops);
        }
        ASSERT_TRUE(advanceUntil([&] { return window->machine().featureCompleted(); }, 100000));
        clock.advance(3000);
        press("takewin");
        clock.advance(3000);
        spin(kTwoSpecials);
        press("doublebutton");
        random.push({1});  // hearts: red wins
        click("betred");
        clock.advance(1000);
        click("cancelbet");
        spin(kLosingStops);
        ASSERT_EQ(window->machine().history().entries().size(), 3u);
    }

    // The view draws exactly the lines that won on the spin it shows, in their colours.
    void expectLinesOf(const RecordedSpin& spin) const {
        const ui::LineOverlay& overlay = window->lineOverlay();
        int j = 1;
        for (const int line : ui::winningLines(spin)) {
            for (int k = 0; k < ui::kPaylinePaths[line].count; ++k, ++j) {
                EXPECT_TRUE(overlay.segment(j).visible) << "line " << line;
                EXPECT_EQ(overlay.segment(j).colour, ui::lineColour(line)) << "line " << line;
            }
        }
        EXPECT_FALSE(overlay.segment(j).visible);
    }
};

TEST_F(LastGames, ASessionsFeatureAndGambleAreFoundGameByGameAndNothingChanges) {
    openWith(1000);
    playASession();
    const PlayerRecord record = window->machine().player();
    const int writes = settings.writes().size();

    openView();
    EXPECT_EQ(window->mode(), ui::Mode::LastGames);
    EXPECT_TRUE(control("lastgamesview")->isVisible());
    EXPECT_FALSE(window->keysEnabled());
    EXPECT_FALSE(control("pplay1")->isEnabled());
    EXPECT_FALSE(control("doublebutton")->isEnabled());
    // The newest game first: the loss.
    EXPECT_TRUE(title().startsWith("Game 3 — "));
    EXPECT_TRUE(figures().contains("No win"));
    EXPECT_EQ(reelStops(), kLosingStops);
    EXPECT_FALSE(control<QPushButton>("lastgamesnext")->isEnabled());

    click("lastgamesprevious");  // the gamble
    EXPECT_TRUE(title().startsWith("Game 2 — "));
    EXPECT_TRUE(figures().contains("Gamble of 25, collected 50: red, ace of hearts right"));
    EXPECT_EQ(reelStops(), kTwoSpecials);

    // Back through the ten free spins to the game that won them.
    for (int free = 10; free >= 1; --free) {
        key(Qt::Key_Left);
        EXPECT_TRUE(title().startsWith(QStringLiteral("Game 1, free spin %1 of 10").arg(free)))
            << title().toStdString();
        EXPECT_EQ(reelStops(), free == 1 ? kTwoSpecials : kLosingStops);
    }
    key(Qt::Key_Left);
    EXPECT_TRUE(title().startsWith("Game 1 — "));
    EXPECT_TRUE(figures().contains("Free spins: 10 of 10 played, feature total 150, taken"));
    EXPECT_EQ(reelStops(), kThreeSpecials);
    EXPECT_FALSE(control<QPushButton>("lastgamesprevious")->isEnabled());
    key(Qt::Key_Left);  // nothing older
    EXPECT_TRUE(title().startsWith("Game 1 — "));
    key(Qt::Key_Right);
    EXPECT_TRUE(title().startsWith("Game 1, free spin 1 of 10"));

    // The reel window shows the stops' own symbols, cell by cell.
    const SpinRecords shown = test::windowAtStops(kTwoSpecials);
    EXPECT_EQ(cellsShown(), kCells);
    for (int c = 1; c <= kCells; ++c) {
        EXPECT_EQ(control<QLabel>("flasher" + QString::number(c))->pixmap().cacheKey(),
                  art().picture(PictureList::listsingles, shown.picOfCell(c)).cacheKey());
    }

    click("lastgamesback");
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
    EXPECT_FALSE(control("lastgamesview")->isVisible());
    EXPECT_TRUE(window->keysEnabled());
    EXPECT_EQ(reelStops(), kLosingStops);  // the last result is back
    EXPECT_EQ(window->machine().player(), record);
    EXPECT_EQ(settings.writes().size(), writes);  // the view wrote nothing
}

// A double click on Return to Game: the first click closes the panel, the second lands on the
// cabinet button that was under it, which must not take it for a press of its own.
TEST_F(LastGames, ADoubleClickOnReturnToGamePressesNothingUnderneath) {
    openWith(1000);
    openView();
    auto* back = control<QPushButton>("lastgamesback");
    QTest::mousePress(back, Qt::LeftButton);
    QTest::mouseRelease(back, Qt::LeftButton);
    clock.settle();
    ASSERT_EQ(window->mode(), ui::Mode::Idle);
    QWidget* under = control("btnoptions");
    QTest::mouseDClick(under, Qt::LeftButton);
    QTest::mouseRelease(under, Qt::LeftButton);
    clock.settle();
    EXPECT_EQ(topLevel("frmkestreloptions"), nullptr);
    EXPECT_EQ(window->mode(), ui::Mode::Idle);
}

// The panel lies over the cabinet's bottom, not over any line marker beside the reels.
TEST_F(LastGames, ThePanelCoversNoLineMarker) {
    openWith(1000);
    openView();
    const QRect panel = control("lastgamesview")->geometry();
    for (int m = 1; m <= ui::kMarkers; ++m) {
        const QString marker = QStringLiteral("lin%1").arg(m);
        EXPECT_FALSE(panel.intersects(control(marker)->geometry())) << marker.toStdString();
    }
}

TEST_F(LastGames, WinningLinesAreDrawnTogetherInTheirColours) {
    openWith(1000);
    spin(test::kTwoLineWin, 5);
    spin(kLosingStops);
    openView();
    EXPECT_FALSE(window->lineOverlay().isVisible());
    expectLinesOf(window->machine().history().entries().back().spin);
    key(Qt::Key_Left);
    const RecordedSpin& won = window->machine().history().entries().front().spin;
    ASSERT_GE(won.lineWins.size(), 2u);
    EXPECT_TRUE(window->lineOverlay().isVisible());
    expectLinesOf(won);
    EXPECT_TRUE(figures().contains(
        QStringLiteral("Won %1: line %2:").arg(won.pays).arg(won.lineWins.front().line)));
    click("lastgamesback");
    EXPECT_FALSE(window->lineOverlay().isVisible());
}

TEST_F(LastGames, OpenOnlyAtRestAndLeaveTheRestingMachineAsItWas) {
    openWith(1000);
    openView();  // nothing played yet
    EXPECT_TRUE(title().startsWith("No game has been played yet."));
    EXPECT_FALSE(control<QPushButton>("lastgamesprevious")->isEnabled());
    click("lastgamesback");

    startSpin(kTwoSpecials);
    openView();  // the reels turn
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    clock.advance(5000);

    // A win waiting to be gambled is still there to gamble afterwards.
    ASSERT_TRUE(control("doublebutton")->isEnabled());
    openView();
    EXPECT_EQ(window->mode(), ui::Mode::LastGames);
    click("lastgamesback");
    EXPECT_TRUE(control("doublebutton")->isEnabled());

    press("doublebutton");
    openView();  // the gamble is open
    EXPECT_EQ(window->mode(), ui::Mode::Gamble);
    click("cancelbet");

    random.pushSpin(kLosingStops);
    press("autoplayon");
    openView();  // autoplay holds the menu
    EXPECT_NE(window->mode(), ui::Mode::LastGames);
    press("autoplayoff");
    clock.advance(5000);
    openView();
    EXPECT_EQ(window->mode(), ui::Mode::LastGames);
}

TEST_F(LastGames, AFeatureWaitingToBeTakenStillWaitsAfterTheView) {
    openWith(1000);
    spin(kThreeSpecials);
    playFreeSpins(10);
    clock.advance(3000);
    ASSERT_EQ(window->mode(), ui::Mode::FeatureWon);
    openView();
    ASSERT_EQ(window->mode(), ui::Mode::LastGames);
    EXPECT_TRUE(figures().contains("feature total 125, waiting to be taken"));
    EXPECT_FALSE(control("takewin")->isVisible());
    click("lastgamesback");
    EXPECT_EQ(window->mode(), ui::Mode::FeatureWon);
    EXPECT_TRUE(control("takewin")->isVisible());
    EXPECT_TRUE(control("freespinscompleted1")->isVisible());
    press("takewin");
    EXPECT_EQ(window->machine().player().bank, 1000 - 25 + 125);
}

// The program dies; the next one shows the same games, less a line damaged in between.
TEST_F(LastGames, TheGamesOutliveTheProgramAndADamagedOneIsLeftOut) {
    openWith(1000);
    spin(test::kTwoLineWin, 5);
    spin(kTwoSpecials);
    spin(kLosingStops);
    const GameHistory played = window->machine().history();
    window.reset();
    open();
    EXPECT_EQ(window->machine().history(), played);
    openView();
    // Each game keeps the calendar time of its press.
    const std::int64_t time = played.entries().back().time;
    EXPECT_GT(time, VirtualClock::kStartOfTime);
    EXPECT_TRUE(title().startsWith(
        "Game 3 — " + QDateTime::fromSecsSinceEpoch(time).toString("d MMM yyyy, HH:mm:ss")));
    EXPECT_TRUE(title().contains("3 of the last 3"));
    click("lastgamesback");

    window.reset();
    settings.setValue("history1", historyKey(1), "damaged beyond reading");
    open();
    EXPECT_EQ(window->machine().player().bank, played.entries().back().creditAfter);
    openView();
    EXPECT_TRUE(title().startsWith("Game 3 — "));
    EXPECT_TRUE(title().contains("2 of the last 2"));
    key(Qt::Key_Left);
    EXPECT_TRUE(title().startsWith("Game 1 — "));
    EXPECT_EQ(reelStops(), test::kTwoLineWin);
}

TEST_F(LastGames, DeletingThePlayerLeavesNoGameToRecall) {
    openWith(1000);
    spin(kTwoSpecials);
    press("btnoptions");
    messages.answers.push_back(true);
    clickInDialog("Btndeletedetails");
    openView();
    EXPECT_TRUE(title().startsWith("No game has been played yet."));
    window.reset();
    open();
    openView();
    EXPECT_TRUE(title().startsWith("No game has been played yet."));
}

// However many lines win, the figures name a few and count the rest with their pay.
TEST(LastGamesText, ManyWinningLinesAreNamedThenCounted) {
    RecordedGame game;
    game.game = 7;
    game.lines = 25;
    game.betPerLine = 1;
    for (int line = 1; line <= 10; ++line) {
        game.spin.lineWins.push_back({line, 3, line * 10});
        game.spin.pays += line * 10;
    }
    GameHistory history;
    history.add(game);
    const ui::PageText text = ui::describePage(history, {0, 0});
    EXPECT_TRUE(text.title.startsWith("Game 7 — time not known — 1 of the last 1"));
    EXPECT_TRUE(text.figures.contains("Won 550: line 1: 3 in a row pays 10 · "));
    EXPECT_TRUE(text.figures.contains("line 6: 3 in a row pays 60 · 4 more lines pay 340\n"));
    EXPECT_FALSE(text.figures.contains("line 7:"));

    game.spin.lineWins.resize(7);
    history.add(game);
    EXPECT_TRUE(ui::describePage(history, {1, 0}).figures.contains(" · 1 more line pays 70\n"));
}

// The most a page can say fits its box, the gamble's outcome first of all: ten winning lines
// and the scatter, a credit at its ceiling, a feature and a gamble of every guess the history
// keeps. A page that says little keeps the usual size.
TEST_F(LastGames, TheLongestPageFitsItsBoxWithTheGamblesOutcome) {
    open();
    RecordedGame game;
    game.game = 1234567;
    game.lines = 25;
    game.betPerLine = 20;
    game.creditBefore = game.creditAfter = std::numeric_limits<std::int32_t>::max();
    game.spin.stops = {1, 1, 1, 1, 1};
    for (int line = 15; line <= 25; ++line) {
        game.spin.lineWins.push_back({line, 5, 30000});
    }
    game.spin.specials = 5;
    game.spin.scatterPays = 10000;
    game.spin.pays = 340000;
    game.feature = RecordedFeature{RecordedFeature::Stage::Taken, 32767, 32767, 2000000000, {}};
    RecordedGamble gamble{2000000000, RecordedGamble::Outcome::Collected, 2147483647, 32767, {}};
    gamble.guesses.assign(RecordedGamble::kKeptGuesses, RecordedGuess{Call::Diamonds, 3});
    game.gamble = gamble;
    GameHistory history;
    history.add(game);
    auto* view = window->findChild<ui::LastGamesView*>();
    view->open(history);

    auto* box = control<QLabel>("lastgamesfigures");
    EXPECT_LE(box->heightForWidth(box->width()), box->height());
    EXPECT_TRUE(box->text().contains("Gamble of 2000000000, collected 2147483647: "));
    const int smallest = box->fontInfo().pixelSize();

    game.feature.reset();
    game.gamble.reset();
    game.spin.lineWins.clear();
    history.add(game);
    view->open(history);
    EXPECT_GT(box->fontInfo().pixelSize(), smallest);
    EXPECT_EQ(box->fontInfo().pixelSize(), 13);
}

// The longest title, the last free spin kept of the largest game number at a two-digit day,
// fits its line: cut short, it would lose which of the games kept the page shows.
TEST_F(LastGames, TheLongestTitleFitsItsLine) {
    open();
    RecordedGame game;
    game.game = std::numeric_limits<std::int32_t>::max();
    game.time = QDateTime(QDate(2026, 12, 28), QTime(23, 58, 58)).toSecsSinceEpoch();
    game.lines = 1;
    game.betPerLine = 1;
    game.spin.stops = {1, 1, 1, 1, 1};
    game.feature = RecordedFeature{RecordedFeature::Stage::Taken, 32767, 32767, 0, {}};
    game.feature->spins.assign(RecordedFeature::kKeptSpins, game.spin);
    GameHistory history;
    for (int i = 0; i < GameHistory::kGames; ++i) {
        history.add(game);
    }
    auto* view = window->findChild<ui::LastGamesView*>();
    view->open(history);
    auto* title = control<QLabel>("lastgamestitle");
    EXPECT_LE(title->sizeHint().width(), title->width()) << title->text().toStdString();
    for (int spin = 1; spin <= RecordedFeature::kKeptSpins; ++spin) {
        view->next();
    }
    ASSERT_TRUE(
        title->text().contains(", free spin 50 of 32767 — 28 Dec 2026, 23:58:58 — 25 of "
                               "the last 25"))
        << title->text().toStdString();
    EXPECT_LE(title->sizeHint().width(), title->width());
}

// One line is a line; a time no date can say is not known.
TEST(LastGamesText, OneLineAndAnImpossibleTimeReadRight) {
    RecordedGame game;
    game.game = 2;
    game.lines = 1;
    game.betPerLine = 1;
    game.time = std::numeric_limits<std::int64_t>::max();
    GameHistory history;
    history.add(game);
    const ui::PageText text = ui::describePage(history, {0, 0});
    EXPECT_TRUE(text.title.startsWith("Game 2 — time not known — 1 of the last 1"));
    EXPECT_TRUE(text.figures.startsWith("1 line × 1 = 1 · "));
}

}  // namespace
}  // namespace kestrel
