#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <memory>

#include "LineOverlay.h"
#include "MachineApp.h"
#include "MachineFrame.h"
#include "PictureButton.h"
#include "Presentation.h"
#include "ReelAnimation.h"
#include "Sounds.h"
#include "WinSound.h"
#include "WindowFixture.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;

using test::kLosingStops;
using test::kTwoSpecials;

class SpinFlow : public test::WindowFixture {
protected:
    ~SpinFlow() override {
        if (frame) {
            window->setParent(nullptr);  // the machine is the fixture's to delete
        }
    }
    // The machine in a frame, as the program shows it.
    void showInFrame() {
        frame = std::make_unique<ui::MachineFrame>();
        frame->setMachine(window.get());
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    std::unique_ptr<ui::MachineFrame> frame;
};

TEST_F(SpinFlow, FirstRunStartsEmptyWithTwentyFiveLinesAtOneCredit) {
    open();
    EXPECT_EQ(window->windowTitle(), "Current Player       ");
    EXPECT_EQ(text("PANELBANK"), "0");
    EXPECT_EQ(text("Lblcredit"), "$ 0");
    EXPECT_EQ(window->machine().linesPlayed(), 25);
    EXPECT_EQ(window->machine().betPerLine(), 1);
    EXPECT_EQ(window->machine().player().machinepay, 7);
    EXPECT_TRUE(window->keysEnabled());
    EXPECT_TRUE(sounds.entries.empty());  // sounds are off for a new player
    for (int m = 1; m <= 26; ++m) {
        EXPECT_TRUE(control(QStringLiteral("lin%1").arg(m))->isVisible());
        EXPECT_FALSE(control(QStringLiteral("lin%1").arg(m))->isEnabled());
    }
}

TEST_F(SpinFlow, OpeningShowsTheStoredPlayerAndPlaysTheOpeningSound) {
    openWith(1234);
    EXPECT_EQ(window->windowTitle(), "Current Player       bob");
    EXPECT_EQ(text("PANELBANK"), "1234");
    EXPECT_EQ(text("Lblcredit"), "$ 12.34");
    EXPECT_EQ(sounds.resources(), std::vector<int>{sound::kOpening});
}

TEST_F(SpinFlow, BetEqualToCreditIsAcceptedOneCreditMoreIsRefused) {
    openWith(25);
    spin(kLosingStops);
    EXPECT_EQ(window->machine().player().bank, 0);
    EXPECT_FALSE(control("pannomoney")->isVisible());
    sounds.entries.clear();
    press("pplay1");
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_EQ(sounds.entries.back().resource,
              sound::kRefused);  // the buzz cuts the spin sound short
    EXPECT_FALSE(timer("tmrspin")->isActive());
    EXPECT_EQ(window->machine().player().games, 1);
}

TEST_F(SpinFlow, SpaceTwiceStartsOneSpin) {
    openWith(1000);
    random.pushSpin(kLosingStops);
    QTest::keyClick(window.get(), Qt::Key_Space);
    QTest::keyClick(window.get(), Qt::Key_Space);
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_TRUE(random.exhausted());
    EXPECT_TRUE(window->keysEnabled());
}

// A refused bet leaves the space bar working as soon as there is credit again.
TEST_F(SpinFlow, NoteAfterARefusedBetLetsTheSpaceBarPlay) {
    openWith(10);
    press("pplay1");
    ASSERT_TRUE(control("pannomoney")->isVisible());
    press("notes");
    EXPECT_TRUE(window->keysEnabled());
    random.pushSpin(kLosingStops);
    key(Qt::Key_Space);
    clock.advance(2000);
    EXPECT_EQ(window->machine().player().games, 1);
}

// The desktop's keys: F11 in and out of full screen, Escape out of it, Ctrl+Q out of the game,
// which saves as the exit picture does. None of them plays.
TEST_F(SpinFlow, FullScreenAndQuitKeysTouchNoGame) {
    openWith(1000);
    key(Qt::Key_F11);
    EXPECT_EQ(display.switches, 1);
    key(Qt::Key_F11);
    EXPECT_EQ(display.restores, 1);
    key(Qt::Key_Escape);
    EXPECT_EQ(display.restores, 1);  // nothing to leave
    key(Qt::Key_F11);
    key(Qt::Key_Escape);
    EXPECT_EQ(display.restores, 2);
    // F11 held down: the repeats the keyboard sends switch nothing.
    key(Qt::Key_F11);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window.get(), &repeat);
    }
    EXPECT_EQ(display.switches, 3);
    EXPECT_EQ(display.restores, 2);
    EXPECT_EQ(window->machine().player().games, 0);
    EXPECT_FALSE(window->isShutDown());
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    clock.settle();
    EXPECT_TRUE(window->isShutDown());
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
    EXPECT_EQ(window->machine().player().games, 0);
}

// The exit gives the screen back (leaving full screen) just before the window closes; the frame
// then fits the machine to the window it leaves, which must not lay the closing machine out
// again at another scale.
TEST_F(SpinFlow, AClosingMachineIsNotLaidOutAgain) {
    openWith(1000);
    window->setScale(1.5);
    const QSize fullScreen = window->size();
    window->shutdown();
    window->setScale(1.0);
    EXPECT_EQ(window->size(), fullScreen);
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
}

// How far a rectangle of one picture differs from one as large of another: the mean of every
// channel's difference, 0 to 255.
double meanDifference(const QImage& a, const QRect& inA, const QImage& b, const QPoint& inB) {
    double sum = 0;
    for (int y = 0; y < inA.height(); ++y) {
        for (int x = 0; x < inA.width(); ++x) {
            const QRgb p = a.pixel(inA.topLeft() + QPoint(x, y));
            const QRgb q = b.pixel(inB + QPoint(x, y));
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * inA.width() * inA.height());
}

// Full screen shows what the machine shows at 800 × 600, only sharper: a spin played at twice the
// size settles on the same cells with the same line drawn over them, each where it is at
// 800 × 600.
TEST_F(SpinFlow, ASpinPlayedFullScreenShowsWhatItShowsAt800x600) {
    openWith(1000);
    auto* presentation = window->findChild<Presentation*>();
    ASSERT_NE(presentation, nullptr);
    const auto playToItsFirstLine = [&] {
        startSpin(test::kTwoLineWin);
        clock.advance(2000);  // settled, the first winning line drawn
        ASSERT_EQ(window->mode(), ui::Mode::Idle);
        ASSERT_TRUE(window->lineOverlay().isVisible());
    };
    playToItsFirstLine();
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(own.size(), QSize(800, 600));
    std::array<QRect, kCells + 1> cell;
    for (int c = 1; c <= kCells; ++c) {
        cell[c] = control(QStringLiteral("flasher%1").arg(c))->geometry();
    }

    window->setScale(2.0);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !presentation->drawing() && presentation->allSharp(); }, 60'000));
    playToItsFirstLine();
    ASSERT_TRUE(QTest::qWaitFor([&] { return presentation->allSharp(); }, 60'000));
    const QImage large = window->grab()
                             .toImage()
                             .scaled(own.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB32);

    const auto differs = [&](const QRect& place, const QPoint& at) {
        return meanDifference(large, place, own, at);
    };
    for (int c = 1; c <= kCells; ++c) {
        EXPECT_LT(differs(cell[c], cell[c].topLeft()), 5.0) << "cell " << c;
    }
    const QRect reels = cell[1].united(cell[kCells]);
    EXPECT_LT(differs(reels, reels.topLeft()), 5.0);  // the line too
    // A symbol out of its place differs by far more than the sharper drawing does.
    EXPECT_GT(differs(cell[1], cell[2].topLeft()), 20.0);
    EXPECT_GT(differs(cell[1], cell[1].topLeft() + QPoint(0, 4)), 10.0);
}

// Until the pictures drawn for a new scale come, the 800 × 600 ones stand in, stretched to fill
// their places: the cabinet, its buttons and the gamble's panel are where the sharp ones will be,
// not drawn at their old size in a corner of their place.
TEST_F(SpinFlow, StandInsFillThePlacesOfThePicturesStillToCome) {
    openWith(1000);
    spin(kTwoSpecials);
    auto* presentation = window->findChild<Presentation*>();
    ASSERT_NE(presentation, nullptr);
    const auto shot = [&] {
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const auto whenSharp = [&] {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !presentation->drawing() && presentation->allSharp(); }, 60'000));
        return shot();
    };
    // A stand-in is coarser than the sharp picture (its lettering most, on the buttons); one
    // drawn at its old size in a corner differs several times as much.
    const auto expectClose = [&](const QImage& standIn, const QImage& sharp, const QRect& place,
                                 double most, const char* what) {
        EXPECT_LT(meanDifference(standIn, place, sharp, place.topLeft()), most) << what;
    };

    window->setScale(1.6);
    ASSERT_FALSE(presentation->allSharp());
    const QImage standIn = shot();  // no event has run: nothing drawn for the scale has come
    const QImage sharp = whenSharp();
    expectClose(standIn, sharp, standIn.rect(), 15, "the machine");
    for (const auto* button : window->findChildren<ui::PictureButton*>()) {
        if (button->isVisible()) {
            expectClose(standIn, sharp, button->geometry(), 40, qPrintable(button->objectName()));
        }
    }

    // Pressed without letting events run, so that nothing drawn for the gamble has come.
    auto* gamble = control<ui::PictureButton>("doublebutton");
    QTest::mousePress(gamble, Qt::LeftButton);
    QTest::mouseRelease(gamble, Qt::LeftButton);
    QWidget* panel = control("pandouble");
    ASSERT_TRUE(panel->isVisible());
    ASSERT_FALSE(presentation->allSharp());  // the gamble's pictures are drawn when first shown
    const QImage panelStandIn = shot();
    expectClose(panelStandIn, whenSharp(), panel->geometry(), 20, "the gamble's panel");
}

TEST_F(SpinFlow, OtherKeysDoNothing) {
    openWith(1000);
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_A, Qt::Key_1, Qt::Key_Escape}) {
        key(k);
    }
    EXPECT_EQ(window->machine().player().games, 0);
    EXPECT_TRUE(window->keysEnabled());
}

struct Pace {
    int reelspeed;
    qint64 gap;
};
class ReelPace : public test::WindowFixture, public ::testing::WithParamInterface<Pace> {};

TEST_P(ReelPace, ReelsStopOneAfterAnotherWithTheirThunks) {
    openWith(1000, GetParam().reelspeed);
    random.pushSpin(kLosingStops);
    const qint64 pressed = clock.now();
    press("pplay1");
    clock.advance(6000);
    const std::vector<qint64> stops = sounds.timesOf(sound::kReelStop);
    ASSERT_EQ(stops.size(), 5u);
    EXPECT_EQ(stops[0] - pressed, 300);  // the sixth 50 ms tick
    for (int r = 1; r < 5; ++r) {
        EXPECT_EQ(stops[r] - stops[r - 1], GetParam().gap);
    }
}

// Speed 0 is a new player's, who has never chosen one: the reels turn fast from the first spin.
INSTANTIATE_TEST_SUITE_P(FastAndSlow, ReelPace,
                         ::testing::Values(Pace{0, 250}, Pace{1, 250}, Pace{2, 750}));

TEST_F(SpinFlow, AStoppedReelNeverShowsABlurFrameAgain) {
    openWith(1000, 2);
    startSpin(kLosingStops);
    std::array<bool, kReels + 1> stopped{};
    for (int t = 0; t < 80; ++t) {
        clock.advance(50);
        for (int r = 1; r <= kReels; ++r) {
            const qint64 shown =
                control<QLabel>(QStringLiteral("Picture%1").arg(r))->pixmap().cacheKey();
            bool blur = false;
            for (int f : {1, 2, 3, 4, 7, 8, 9, 10}) {
                blur |= shown == art().picture(PictureList::spinlist, f).cacheKey();
            }
            if (stopped[r]) {
                EXPECT_FALSE(blur) << "reel " << r << " at " << clock.now();
            }
            stopped[r] =
                stopped[r] || shown == art().picture(columnList(r), kLosingStops[r - 1]).cacheKey();
        }
    }
    for (int r = 1; r <= kReels; ++r) {
        EXPECT_TRUE(stopped[r]);
    }
}

// From the press of the next spin until it settles, each reel shows its last cells, a blur
// frame, its column or its new cells: never the empty reel under the cells on its own.
TEST_F(SpinFlow, ReelsNeverStandEmptyBetweenOneSpinAndTheNext) {
    openWith(1000, 2);
    startSpin(kLosingStops);
    clock.advance(5000);
    startSpin(kTwoSpecials);
    const qint64 empty = art().picture(PictureList::spinlist, 11).cacheKey();
    for (int t = 0; t < 400; ++t) {
        for (int r = 1; r <= kReels; ++r) {
            if (control<QLabel>(QStringLiteral("Picture%1").arg(r))->pixmap().cacheKey() != empty) {
                continue;
            }
            for (int row = 0; row < kRows; ++row) {
                const int cell = cellNumber(r, static_cast<Row>(row));
                EXPECT_TRUE(control(QStringLiteral("flasher%1").arg(cell))->isVisible())
                    << "reel " << r << " at " << clock.now();
            }
        }
        clock.advance(10);
    }
}

TEST_F(SpinFlow, LosingSpinShowsNoWinAndOffersNoGamble) {
    openWith(1000);
    startSpin(kLosingStops);
    EXPECT_EQ(text("LABWIN"), "Good Luck");
    EXPECT_EQ(text("lblwin"), " ");
    EXPECT_EQ(text("lbllast"), "25");
    EXPECT_FALSE(window->keysEnabled());
    clock.advance(5000);
    EXPECT_EQ(text("LABWIN"), "No Win");
    EXPECT_EQ(text("lblwin"), "");
    EXPECT_FALSE(control("doublebutton")->isEnabled());
    EXPECT_TRUE(window->keysEnabled());
    EXPECT_EQ(window->machine().player().bank, 975);
    EXPECT_EQ(cellsShown(), kCells);
}

TEST_F(SpinFlow, WinningSpinIsCreditedAtSettlingWithItsSound) {
    openWith(1000);
    startSpin(kTwoSpecials);
    EXPECT_EQ(window->machine().player().bank, 975);  // charged when decided
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().bank, 1000);
    EXPECT_EQ(sounds.count(ui::winSound(25)), 1);
    EXPECT_TRUE(control("doublebutton")->isEnabled());
}

TEST_F(SpinFlow, PressWhileReelsTurnStopsThemAndTheSpinIsCredited) {
    openWith(1000);
    startSpin(kTwoSpecials);
    clock.advance(100);
    sounds.entries.clear();
    press("pplay3");  // stops the reels; does not start another spin
    EXPECT_EQ(sounds.count(sound::kReelStop), 1);
    EXPECT_FALSE(timer("tmrspin")->isActive());
    clock.advance(200);
    EXPECT_EQ(window->machine().phase(), Machine::Phase::Idle);
    EXPECT_EQ(window->machine().player().bank, 1000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_EQ(window->machine().betPerLine(), 1);
    EXPECT_TRUE(random.exhausted());
    spin(kLosingStops);  // the next press spins again
    EXPECT_EQ(window->machine().player().games, 2);
}

// Out of habit a player may double-click a bet: that starts one spin, which turns as any other.
// A double click on the note button still puts in two notes.
TEST_F(SpinFlow, ADoubleClickedBetSpinsOnceAndLetsTheReelsTurn) {
    // What a window receives for a double click: a press and release, then a double-click event
    // in place of the second press.
    const auto doubleClick = [this](const char* name) {
        QWidget* button = control(name);
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QTest::mouseDClick(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        clock.settle();
    };
    openWith(1000);
    random.pushSpin(kLosingStops);
    doubleClick("pplay1");
    clock.advance(300);
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    EXPECT_TRUE(timer("tmrspin")->isActive());
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_EQ(window->machine().player().bank, 975);

    doubleClick("notes");
    EXPECT_EQ(window->machine().player().bank, 975 + 2 * 5000);
}

// A held space bar: the keyboard repeats the key every few dozen milliseconds. It plays one
// spin, which turns and settles as any other (a repeat neither stops its reels nor starts the
// next spin over its win); with too little credit it buzzes once.
class HeldSpaceBar : public test::WindowFixture {
protected:
    void holdSpace(int milliseconds) {
        key(Qt::Key_Space);
        for (int held = 0; held < milliseconds; held += 35) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                             true);
            QApplication::sendEvent(window.get(), &repeat);
            clock.advance(35);
        }
    }
};

TEST_F(HeldSpaceBar, PlaysOneSpinThatTurnsItsFullTime) {
    openWith(1000);
    random.pushSpin(kLosingStops);
    holdSpace(1400);
    EXPECT_EQ(window->mode(), ui::Mode::Spinning);
    holdSpace(6000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_EQ(window->machine().player().bank, 975);
}

// Under X11 each repeat is a release and a press at the same instant; when the desktop is busy
// the toolkit does not pair them and reports the press as a fresh one.
TEST_F(HeldSpaceBar, RepeatsThatComeAsFreshPressesPlayNoFurtherSpin) {
    openWith(1000);
    for (int i = 0; i < 30; ++i) {
        random.pushSpin(kLosingStops);
    }
    const auto send = [this](QEvent::Type type, ulong at) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        event.setTimestamp(at);
        QApplication::sendEvent(window.get(), &event);
    };
    ulong at = 5000;
    send(QEvent::KeyPress, at);
    for (int held = 0; held < 12000; held += 40) {
        clock.advance(40);
        at += 40;
        send(QEvent::KeyRelease, at);
        send(QEvent::KeyPress, at);
    }
    send(QEvent::KeyRelease, at + 20);
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().games, 1);
    EXPECT_EQ(window->machine().player().bank, 975);
    // Let go and pressed again, it plays.
    send(QEvent::KeyPress, at + 300);
    clock.advance(5000);
    EXPECT_EQ(window->machine().player().games, 2);
}

TEST_F(HeldSpaceBar, WithoutCreditBuzzesOnce) {
    openWith(10);
    holdSpace(2000);
    EXPECT_EQ(sounds.count(sound::kRefused), 1);
    EXPECT_TRUE(control("pannomoney")->isVisible());
    EXPECT_EQ(window->machine().player().games, 0);
}

enum class Exit { Picture, Menu, CloseBox };
class Exits : public test::WindowFixture, public ::testing::WithParamInterface<Exit> {
protected:
    void leave() {
        switch (GetParam()) {
            case Exit::Picture:
                press("cmdexit");
                break;
            case Exit::Menu:
                control<QPushButton>("xit")->click();
                break;
            case Exit::CloseBox:
                window->close();
                break;
        }
        clock.settle();
    }
};

TEST_P(Exits, SaveTheRecordStopTimersAndRestoreTheDisplay) {
    storePlayer(1000);
    settings.setValue("player1", "machinepay", "4");
    open();
    spin(kLosingStops);
    leave();
    EXPECT_TRUE(window->isShutDown());
    const auto stored = [&](const char* key) { return settings.value("player1", key); };
    EXPECT_EQ(stored("bank"), "975");
    EXPECT_EQ(stored("games"), "1");
    EXPECT_EQ(stored("wager"), "25");
    EXPECT_EQ(stored("total"), "0");
    EXPECT_EQ(stored("amountinvested"), "0");
    EXPECT_EQ(stored("machinepay"), "4");
    EXPECT_EQ(stored("reelspeed"), "1");
    EXPECT_EQ(stored("soundonoff"), "-1");
    EXPECT_EQ(stored("winroll"), "0");
    EXPECT_EQ(stored("howmanyspins"), "0");
    EXPECT_EQ(stored("currentplayer"), "bob");
    EXPECT_EQ(display.restores, 2);
    EXPECT_EQ(sounds.entries.back().resource, sound::kClick);
    for (ClockTimer* t : window->findChildren<ClockTimer*>()) {
        EXPECT_FALSE(t->isActive()) << t->objectName().toStdString();
    }
}

TEST_P(Exits, MidSpinCreditsTheDecidedWinBeforeSaving) {
    openWith(1000);
    startSpin(kTwoSpecials);
    clock.advance(400);
    leave();
    EXPECT_EQ(settings.value("player1", "bank"), "1000");
    EXPECT_EQ(settings.value("player1", "total"), "25");
}

INSTANTIATE_TEST_SUITE_P(AllThree, Exits,
                         ::testing::Values(Exit::Picture, Exit::Menu, Exit::CloseBox));

// A picture button takes the mouse where it is drawn: the cabinet in the corners round the
// round exit button is not the button, and a press there must not end the game.
TEST_F(SpinFlow, ThePressThatEndsTheGameIsOnTheExitButtonNotBesideIt) {
    for (const bool full : {false, true}) {
        display = full ? test::FakeDisplay({3840, 2160}) : test::FakeDisplay();
        openWith(1000);
        auto* exit = control<ui::PictureButton>("cmdexit");
        for (const QPoint corner :
             {QPoint(1, 1), QPoint(exit->width() - 2, 1), QPoint(1, exit->height() - 2),
              QPoint(exit->width() - 2, exit->height() - 2)}) {
            QTest::mousePress(exit, Qt::LeftButton, {}, corner);
            QTest::mouseRelease(exit, Qt::LeftButton, {}, corner);
            clock.settle();
            ASSERT_NE(window->mode(), ui::Mode::Closed) << full;
        }
        QTest::mousePress(exit, Qt::LeftButton);  // at its centre
        clock.settle();
        EXPECT_EQ(window->mode(), ui::Mode::Closed) << full;
        window.reset();
    }
}

// A screen of another size gets the full-screen presentation; one matching 800 × 600 in one
// dimension is left alone.
TEST_F(SpinFlow, ScreenOfAnotherSizeGetsTheFullScreenPresentation) {
    for (const auto& [screen, switches] :
         {std::pair{QSize(1024, 768), 1}, std::pair{QSize(1024, 600), 0}}) {
        display = test::FakeDisplay(screen);
        open();
        EXPECT_EQ(display.switches, switches) << screen.width() << "x" << screen.height();
        window.reset();
    }
}

// The real frame around the machine: leaving full screen puts the window back exactly where and
// as large as it was.
TEST_F(SpinFlow, TheWindowComesBackAsItWasAfterFullScreen) {
    openWith(1000);
    showInFrame();
    const QRect before = frame->geometry();
    frame->switchTo800x600();
    frame->restore();
    EXPECT_EQ(frame->geometry(), before);
    EXPECT_FALSE(frame->presentingFullScreen());
}

// Nothing else makes the frame follow the screen when no window manager looks after it: a
// screen made smaller while the game runs full screen must still show the whole machine, where
// the mouse can reach every control.
TEST_F(SpinFlow, FullScreenFollowsTheScreenWhenItsSizeChanges) {
    openWith(1000);
    showInFrame();
    frame->switchTo800x600();
    QScreen* screen = frame->screen();
    ASSERT_NE(screen, nullptr);
    const QRect before = screen->geometry();
    const QRect smaller(before.topLeft(), QSize(640, 480));
    emit screen->geometryChanged(smaller);
    EXPECT_EQ(frame->geometry(), smaller);
    EXPECT_EQ(window->geometry(), QRect(0, 0, 640, 480));
    emit screen->geometryChanged(before);
    EXPECT_EQ(frame->geometry(), before);
    EXPECT_EQ(window->size(), QSize(800, 600));
}

// The ordinary window is never larger than its screen, at start or when the screen is made
// smaller later; and one the smaller screen leaves outside comes back onto it.
TEST_F(SpinFlow, TheWindowComesOntoAScreenMadeTooSmallForIt) {
    openWith(1000);
    showInFrame();
    QScreen* screen = frame->screen();
    ASSERT_NE(screen, nullptr);
    const QRect smaller(screen->geometry().topLeft(), QSize(640, 480));
    emit screen->geometryChanged(smaller);
    EXPECT_TRUE(smaller.contains(frame->frameGeometry()));
    EXPECT_TRUE(frame->rect().contains(window->geometry()));
    // Behind full screen the window waits where it was, and comes back onto the screen.
    frame->move(smaller.topLeft() + QPoint(500, 400));
    frame->switchTo800x600();
    emit screen->geometryChanged(smaller);
    frame->restore();
    EXPECT_TRUE(smaller.contains(frame->geometry()));
}

// A frame squeezed to a sliver keeps the machine at a size its pictures can be drawn at: at a
// few pixels a symbol cell has none, and the thread drawing the reels' blur for the scale died
// dividing by it, taking the program with it.
TEST_F(SpinFlow, AFrameSqueezedToASliverKeepsTheMachineDrawable) {
    openWith(1000);
    showInFrame();
    frame->resize(800, 2);
    EXPECT_EQ(window->size(), QSize(100, 75));
    auto* presentation = window->findChild<Presentation*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !presentation->drawing(); }, 60'000));
    spin(kLosingStops);
    EXPECT_EQ(window->machine().player().games, 1);
    frame->resize(800, 600);
    EXPECT_EQ(window->size(), QSize(800, 600));
}

// The program as the player starts it, on a records folder whose game in progress is damaged:
// the box that says so opens on the way up, and the keys go to it, so Enter closes it.
TEST(ProgramStart, ABoxOpenedOnTheWayUpTakesTheKeys) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QDir(home.path()).mkpath(QStringLiteral("kestrelslot"));
    QFile records(home.filePath(QStringLiteral("kestrelslot/kestrelslot.conf")));
    ASSERT_TRUE(records.open(QIODevice::WriteOnly));
    records.write(
        "[game1]\nphase=spinning\ncheck=0123456789abcdef\nversion=1\n\n"
        "[player1]\nbank=1000\nsoundonoff=0\n");
    records.close();
    {
        ui::MachineApp app;
        ASSERT_TRUE(app.running());
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(app.window().mode(), ui::Mode::Dialog);
        QTest::qWait(50);
        QWindow* keys = QGuiApplication::focusWindow();
        ASSERT_NE(keys, nullptr);
        QTest::keyClick(keys, Qt::Key_Return);
        QTest::qWait(50);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(app.window().mode(), ui::Mode::Idle);
    }
    if (configHome.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", configHome);
    }
}

}  // namespace
}  // namespace kestrel
