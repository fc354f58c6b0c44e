#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "LineOverlay.h"
#include "PayTableWindow.h"
#include "Presentation.h"
#include "ReelWindow.h"
#include "Sounds.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;
using test::kLosingStops;
using test::kTwoSpecials;

class MenuAndOptions : public test::WindowFixture {};

TEST_F(MenuAndOptions, OptionsCannotOpenWhileASpinIsUnsettled) {
    openWith(1000);
    startSpin(kTwoSpecials);
    press("btnoptions");
    EXPECT_EQ(topLevel("frmkestreloptions"), nullptr);
    EXPECT_TRUE(window->isEnabled());
    clock.advance(2000);  // settled: now it opens
    press("btnoptions");
    EXPECT_NE(topLevel("frmkestreloptions"), nullptr);
    EXPECT_FALSE(window->isEnabled());
    clickInDialog("btnokplayer");
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MenuAndOptions, ClosingTheOptionsWithAPendingGambleWithdrawsIt) {
    openWith(1000);
    spin(kTwoSpecials);
    ASSERT_TRUE(control("doublebutton")->isEnabled());
    press("btnoptions");
    clickInDialog("btnokplayer");
    EXPECT_FALSE(control("doublebutton")->isEnabled());
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
}

// Whatever ends a roll-up shows the whole win first.
TEST_F(MenuAndOptions, PaylineViewOrOptionsDuringARollUpShowTheWholeWin) {
    for (const bool options : {false, true}) {
        SCOPED_TRACE(options ? "options" : "pay-line view");
        storePlayer(1000);
        settings.setValue("player1", "winroll", "1");
        open();
        spin(kTwoSpecials, 5);  // 250, counting one credit a tick
        ASSERT_LT(text("LABWIN").toInt(), 250);
        if (options) {
            press("btnoptions");
            clickInDialog("btnokplayer");
        } else {
            click("viewpaylines");
        }
        EXPECT_EQ(text("LABWIN"), "250");
        EXPECT_EQ(text("PANELBANK"), "1000");
        clock.advance(1000);
        EXPECT_EQ(text("LABWIN"), "250");
        EXPECT_EQ(text("lblwin"), "$ 2.5");
        window.reset();
    }
}

// What the player sets in the options is what the next spin does: the reels' pace, the
// sounds, the win counter rolling up.
TEST_F(MenuAndOptions, SettingsChosenInTheOptionsGovernTheNextSpin) {
    openWith(1000, 1, true);
    press("btnoptions");
    clickInDialog("setspeed1");  // slower
    clickInDialog("wincounter1");
    clickInDialog("btnokplayer");
    sounds.entries.clear();
    spin(kTwoSpecials, 5);  // 250
    const std::vector<qint64> stops = sounds.timesOf(sound::kReelStop);
    ASSERT_EQ(stops.size(), 5u);
    EXPECT_EQ(stops[4] - stops[3], 750);
    EXPECT_TRUE(timer("Timerwincounter")->isActive());
    EXPECT_NE(text("LABWIN"), "250");  // still counting
    clock.advance(30000);
    EXPECT_EQ(text("LABWIN"), "250");

    press("btnoptions");
    clickInDialog("setspeed0");
    clickInDialog("sounds2");  // off
    clickInDialog("wincounter2");
    clickInDialog("btnokplayer");
    sounds.entries.clear();
    startSpin(kTwoSpecials, 5);
    clock.advance(2000);  // at the fast pace the reels have stopped and the spin settled
    EXPECT_NE(window->mode(), ui::Mode::Spinning);
    EXPECT_EQ(text("LABWIN"), "250");  // at once
    EXPECT_TRUE(sounds.entries.empty());
}

TEST_F(MenuAndOptions, PickingAnEmptySlotShowsItsEmptyCreditInTheWindow) {
    openWith(1000);
    spin(kTwoSpecials);
    ASSERT_EQ(text("LABWIN"), "25");
    press("btnoptions");
    clickInDialog("machine2");
    EXPECT_EQ(window->playernumber(), "2");
    EXPECT_EQ(text("PANELBANK"), "0");
    EXPECT_EQ(text("LABWIN"), "");  // the last player's win and bet are not the new one's
    EXPECT_EQ(text("lblwin"), "");
    EXPECT_EQ(text("lbllast"), "");
    EXPECT_EQ(window->windowTitle(), "Current Player       ");
    clickInDialog("btnokplayer");
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
    EXPECT_EQ(settings.value("player2", "bank"), "0");
    press("notes");
    spin(kLosingStops);
    window->close();
    EXPECT_EQ(settings.value("player2", "bank"), "4975");
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
}

// Wherever the focus went with a dialog, it comes back to the machine when the dialog closes, so
// the space bar plays again.
TEST_F(MenuAndOptions, TheKeysComeBackToTheMachineWhenADialogCloses) {
    openWith(1000);
    press("btnoptions");
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    if (!QTest::qWaitForWindowActive(&elsewhere)) {
        GTEST_SKIP() << "the window system does not make a window active when asked";
    }
    clickInDialog("btnokplayer");
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

TEST_F(MenuAndOptions, MenuOpensOnHoverAndClosesOverTheCabinet) {
    openWith(1000);
    hover(control("btnopenmenu"));
    EXPECT_TRUE(control("menupic")->isVisible());
    hover(control("menupic"), QPoint(80, 60));  // passes through the panel to the window
    hover(window.get(), QPoint(20, 45));        // the gap between opener and panel
    EXPECT_TRUE(control("menupic")->isVisible());
    hover(window.get(), QPoint(400, 590));
    EXPECT_FALSE(control("menupic")->isVisible());
}

TEST_F(MenuAndOptions, PaylineViewDrawsAHoveredLineAndReturnsToIdleReels) {
    openWith(1000);
    spin(kLosingStops);
    click("viewpaylines");
    EXPECT_FALSE(control("Picture1")->isVisible());
    EXPECT_TRUE(control("Btnreturn2game")->isVisible());
    EXPECT_FALSE(window->keysEnabled());
    EXPECT_TRUE(control("lin7")->isEnabled());
    hover(control("lin7"));
    const ui::LineOverlay& overlay = window->lineOverlay();
    for (int j = 1; j <= 4; ++j) {
        EXPECT_TRUE(overlay.segment(j).visible) << j;
    }
    EXPECT_FALSE(overlay.segment(5).visible);
    EXPECT_EQ(overlay.segment(1).colour, QColor(0xFF, 0x00, 0x00));
    click("Btnreturn2game");
    EXPECT_FALSE(control("lin7")->isEnabled());
    EXPECT_TRUE(control("Picture1")->isVisible());
    EXPECT_FALSE(control("flasher1")->isVisible());
    EXPECT_EQ(control<QLabel>("Picture3")->pixmap().cacheKey(),
              art().picture(PictureList::spinlist, 14).cacheKey());
    EXPECT_FALSE(overlay.segment(1).visible);
    EXPECT_FALSE(control("lin7")->isEnabled());
    EXPECT_TRUE(window->keysEnabled());
}

// The way back from the pay-line view covers none of the lines the view draws.
TEST_F(MenuAndOptions, ReturnToGameHidesNoLineOfThePaylineView) {
    openWith(1000);
    click("viewpaylines");
    const QRect button = control("Btnreturn2game")->geometry().adjusted(-5, -5, 5, 5);
    EXPECT_FALSE(control("panfreespin")->isVisible());
    const ui::LineOverlay& overlay = window->lineOverlay();
    for (int marker = 1; marker <= ui::kMarkers; ++marker) {
        hover(control(QStringLiteral("lin%1").arg(marker)));
        for (int j = 1; j <= ui::kMaxSegments; ++j) {
            const ui::LineOverlay::SegmentState& s = overlay.segment(j);
            if (!s.visible) {
                continue;
            }
            for (int step = 0; step <= 100; ++step) {
                const QPointF at = QLineF(s.line).pointAt(step / 100.0);
                EXPECT_FALSE(button.contains(at.toPoint())) << "marker " << marker;
            }
        }
    }
}

// The no-credit panel stands over the middle of the reels, where the pay-line view draws its
// lines: the view takes it away, as the last games do.
TEST_F(MenuAndOptions, PaylineViewTakesTheNoCreditPanelAway) {
    openWith(0);
    press("pplay1");
    ASSERT_TRUE(control("pannomoney")->isVisible());
    click("viewpaylines");
    ASSERT_EQ(window->mode(), ui::Mode::PaylineView);
    EXPECT_FALSE(control("pannomoney")->isVisible());
    hover(control("lin1"));
    EXPECT_TRUE(window->lineOverlay().segment(1).visible);
    EXPECT_FALSE(control("pannomoney")->isVisible());
}

TEST_F(MenuAndOptions, DancingScattersLeaveWithTheReelsForThePaylineView) {
    openWith(1000);
    spin(kTwoSpecials);
    ASSERT_TRUE(timer("Timerscatters")->isActive());
    control<QPushButton>("viewpaylines")->click();
    clock.advance(1000);
    EXPECT_EQ(cellsShown(), 0);
    control<QPushButton>("Btnreturn2game")->click();
    clock.advance(1000);
    EXPECT_EQ(cellsShown(), 0);
}

TEST_F(MenuAndOptions, BetPressedOnThePaylineViewBringsTheReelsBackAndSpins) {
    openWith(1000);
    click("viewpaylines");
    spin(kLosingStops);
    EXPECT_TRUE(control("Picture1")->isVisible());
    EXPECT_FALSE(control("Btnreturn2game")->isVisible());
    EXPECT_TRUE(control("flasher1")->isVisible());
    EXPECT_FALSE(control("lin7")->isEnabled());
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_TRUE(window->keysEnabled());
}

// While a dialog holds the machine, the meter captions and the line markers are pieces of the
// cabinet like the captions painted on it: they keep their colours rather than grey into boxes.
TEST_F(MenuAndOptions, CabinetPiecesKeepTheirColoursWhileADialogHoldsTheMachine) {
    openWith(1000);
    const auto look = [&] {
        std::vector<QImage> pictures;
        for (const char* piece : {"LABLASTBET", "lin3", "lin26"}) {
            pictures.push_back(control(piece)->grab().toImage());
        }
        return pictures;
    };
    const std::vector<QImage> before = look();
    press("btnoptions");
    ASSERT_FALSE(window->isEnabled());
    EXPECT_TRUE(look() == before);
    clickInDialog("btnokplayer");
}

// On a scaled desktop the pictures carry the screen's pixel ratio: the line markers, disabled
// while the reels are idle, and the meter captions under a dialog still keep their colours.
TEST_F(MenuAndOptions, CabinetPiecesKeepTheirColoursOnAScaledDesktop) {
    openWith(1000);
    window->setScale(1.0, 2.0);
    auto* presentation = window->findChild<Presentation*>();
    ASSERT_NE(presentation, nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !presentation->drawing() && presentation->allSharp(); }, 60'000));
    for (const char* piece : {"LABLASTBET", "lin3", "lin26"}) {
        QWidget* label = control(piece);
        const bool enabled = label->isEnabled();
        const QImage before = label->grab().toImage();
        label->setEnabled(!enabled);
        const QImage after = label->grab().toImage();
        label->setEnabled(enabled);
        EXPECT_TRUE(before == after) << piece;
    }
}

// The no-credit panel speaks of the player before: another player picked takes it away.
TEST_F(MenuAndOptions, PickingAnotherPlayerTakesTheNoCreditPanelAway) {
    storePlayer(0);
    settings.setValue("player2", "bank", "1000");
    open();
    press("pplay1");
    ASSERT_TRUE(control("pannomoney")->isVisible());
    press("btnoptions");
    clickInDialog("machine2");
    clickInDialog("btnokplayer");
    EXPECT_EQ(text("PANELBANK"), "1000");
    EXPECT_FALSE(control("pannomoney")->isVisible());
}

TEST_F(MenuAndOptions, PayTableAndAboutClosedByTheirCloseBoxGiveTheWindowBack) {
    openWith(1000);
    for (const char* item : {"mnuviewpaytable", "about"}) {
        click(item);
        EXPECT_FALSE(window->isEnabled()) << item;
        QWidget* secondary =
            topLevel(item == std::string("about") ? "aboutkestrel" : "kestrelpays");
        ASSERT_NE(secondary, nullptr) << item;
        secondary->close();
        clock.settle();
        EXPECT_TRUE(window->isEnabled()) << item;
    }
}

// The pay table and the about box are windows of their own, shown at their own size: on a
// desktop scaled to 200 % their pictures take the screen's pixels, not the book's stretched.
// This case runs at 100 % and again, on its own, at 200 %.
TEST_F(MenuAndOptions, PayTableAndAboutAreDrawnForTheScreensPixels) {
    openWith(1000);
    click("mnuviewpaytable");
    auto* pays = qobject_cast<ui::PayTableWindow*>(topLevel("kestrelpays"));
    ASSERT_NE(pays, nullptr);
    const qreal ratio = pays->devicePixelRatioF();
    EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return pays->picture().devicePixelRatio() == ratio; }, 60'000));
    EXPECT_EQ(pays->picture().size(), QSize(600, 450) * ratio);
    pays->close();
    clock.settle();

    click("about");
    QWidget* about = topLevel("aboutkestrel");
    ASSERT_NE(about, nullptr);
    const QPixmap icon = about->findChild<QLabel*>("picIcon")->pixmap();
    EXPECT_EQ(icon.devicePixelRatio(), ratio);
    EXPECT_EQ(icon.size(), QSize(96, 96) * ratio);
}

}  // namespace
}  // namespace kestrel
