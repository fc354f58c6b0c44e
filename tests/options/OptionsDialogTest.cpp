#include <QApplication>
#include <QLayout>

#include "ExamplePlayer.h"
#include "OptionsFixture.h"
#include "Windows.h"

namespace kestrel::test {
namespace {

class OptionsDialog : public OptionsFixture {
protected:
    void makeBob() {
        PlayerRecord p = tenGamesOfBob();
        p.soundonoff = PlayerRecord::kTrue;
        p.machinepay = 4;
        p.winroll = 1;
        p.reelspeed = 2;
        setPlayer(p);
    }
};

TEST_F(OptionsDialog, OpeningWritesTheRecordListsTheSlotsAndShowsThePlayer) {
    makeBob();
    storeSlot(3, "Alice");
    open();

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Kestrel Options");
    EXPECT_EQ(control<QGroupBox>("mainFrame")->title(), "Kestrel Options");
    EXPECT_EQ(stored(1, "bank"), "4480");
    EXPECT_EQ(stored(1, "currentplayer"), "bob");

    EXPECT_EQ(caption("machine1"), "BOB");
    EXPECT_EQ(caption("machine3"), "ALICE");
    for (const char* vacant : {"machine2", "machine4", "machine5", "machine6"}) {
        EXPECT_EQ(caption(vacant), "Vacant");
    }
    EXPECT_TRUE(marked("machine1"));
    EXPECT_EQ(player().currentplayer, "bob");  // the list does not touch the active name

    EXPECT_EQ(text("lblcurrentplayer"), "Current Player    BOB");
    EXPECT_EQ(text("lblgames"), "Games Played            10");
    EXPECT_EQ(text("lblwager"), "Total Wagered           2500");
    EXPECT_EQ(text("lbltotalwon"), "Total Won                   1980");
    EXPECT_EQ(text("lblwinlose"), "Winning/Losing           -520");
    EXPECT_EQ(text("lblreturned"), "Returned To Player     % 79");
    EXPECT_EQ(text("lblinvested"), "Total Invested             5000");
    EXPECT_EQ(text("lblfreespins"), "Freespins Won            1");

    EXPECT_TRUE(marked("wincounter1"));
    EXPECT_EQ(caption("wincounter1"), " ON ");
    EXPECT_EQ(caption("wincounter2"), "");
    EXPECT_TRUE(marked("setspeed1"));
    EXPECT_EQ(text("speedlab"), "Current Speed =   2");
    EXPECT_TRUE(marked("Amtpayout1"));
    EXPECT_TRUE(marked("sounds1"));
    EXPECT_EQ(host.stopTickSpeed, -1);  // marking is not choosing
}

// A speed never chosen plays fast, and the dialog shows the speed in force.
TEST_F(OptionsDialog, AFirstRunMarksTheFastSpeedInForceAndShowsBareStatistics) {
    PlayerRecord fresh;
    fresh.machinepay = 7;
    setPlayer(fresh);
    open();
    EXPECT_TRUE(marked("setspeed0"));
    EXPECT_FALSE(marked("setspeed1"));
    EXPECT_EQ(text("speedlab"), "Current Speed =   1");
    EXPECT_TRUE(marked("wincounter2"));
    EXPECT_EQ(caption("wincounter2"), " OFF");
    EXPECT_TRUE(marked("Amtpayout0"));
    EXPECT_TRUE(marked("sounds2"));
    EXPECT_EQ(text("lblcurrentplayer"), "Current Player    ");
    EXPECT_EQ(text("lblgames"), "Games Played      ");
    EXPECT_EQ(caption("machine1"), "Vacant");
}

TEST_F(OptionsDialog, PickingAnEmptySlotStartsItWithNoCreditAndKeepsSoundAndPayout) {
    makeBob();
    open();
    click("machine2");

    EXPECT_EQ(host.records().playernumber(), "2");
    EXPECT_EQ(player().bank, 0);
    EXPECT_EQ(player().currentplayer, "");
    EXPECT_EQ(player().soundonoff, PlayerRecord::kTrue);
    EXPECT_EQ(player().machinepay, 4);
    EXPECT_EQ(player().howmanyspins, 0);
    EXPECT_EQ(host.PANELBANK, "0");
    EXPECT_EQ(host.gameMetersCleared, 1);  // the last player's win and bet go with them
    EXPECT_EQ(host.Lblcredit, "$ 0");
    EXPECT_EQ(host.caption, "Current Player       ");
    EXPECT_EQ(caption("machine2"), "Vacant");
    EXPECT_EQ(text("lblgames"), "Games Played          ");
    EXPECT_EQ(text("lblreturned"), "Returned To Player ");
    EXPECT_TRUE(marked("wincounter2"));
    EXPECT_EQ(caption("wincounter1"), "");  // only the chosen element carries a caption
    EXPECT_TRUE(marked("setspeed0"));       // the empty slot plays fast
    EXPECT_EQ(text("speedlab"), "Current Speed =   1");
    EXPECT_EQ(stored(1, "bank"), "4480");  // the slot left behind is intact
}

TEST_F(OptionsDialog, PickingAPlayedSlotShowsItsStatisticsAndItsSpeed) {
    storeSlot(4, "sue", 3, 900);
    host.settings.setValue("player4", "reelspeed", "2");
    host.settings.setValue("player4", "howmanyspins", "2");
    host.settings.setValue("player4", "wager", "300");
    host.settings.setValue("player4", "total", "120");
    open();
    click("machine4");

    EXPECT_EQ(host.caption, "Current Player       SUE");
    EXPECT_EQ(host.PANELBANK, "900");
    EXPECT_EQ(host.Lblcredit, "$ 9");
    EXPECT_EQ(caption("machine4"), "SUE");
    EXPECT_EQ(text("lblcurrentplayer"), "Current Player   SUE");
    EXPECT_EQ(text("lblgames"), "Games Played            3");
    EXPECT_EQ(text("lblreturned"), "Returned To Player     % 40");
    EXPECT_EQ(text("lblfreespins"), "Freespins Won     2");
    EXPECT_TRUE(marked("setspeed1"));
    EXPECT_EQ(host.stopTickSpeed, 2);  // the reels run at the new player's speed
}

TEST_F(OptionsDialog, ChangesMadeBeforePickingAnotherSlotStayWithTheSlotLeft) {
    makeBob();
    open();
    click("setspeed0");
    click("sounds2");
    click("machine2");
    EXPECT_EQ(stored(1, "reelspeed"), "1");
    EXPECT_EQ(stored(1, "soundonoff"), "0");
}

TEST_F(OptionsDialog, NoSlotChangesHandsWhileASpinIsUnsettled) {
    makeBob();
    host.random.pushSpin(kLosingStops);
    ASSERT_EQ(host.machine().play(1), PlayResult::Paid);
    open();
    const std::int32_t bank = player().bank;

    click("machine2");
    EXPECT_EQ(host.records().playernumber(), "1");
    EXPECT_TRUE(marked("machine1"));
    click("Btndeletedetails");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(player().bank, bank);
    EXPECT_TRUE(dialog->isVisible());

    host.machine().settle();  // the window's reels came to rest meanwhile
    click("machine2");
    EXPECT_EQ(host.records().playernumber(), "2");
}

TEST_F(OptionsDialog, NoSlotChangesHandsDuringAFreeSpinFeature) {
    makeBob();
    host.random.pushSpin(kThreeSpecials);
    ASSERT_EQ(host.machine().play(1), PlayResult::Paid);
    ASSERT_TRUE(host.machine().settle().triggered);
    ASSERT_EQ(host.machine().phase(), Machine::Phase::Idle);
    open();
    click("machine2");
    EXPECT_EQ(host.records().playernumber(), "1");
}

TEST_F(OptionsDialog, ANameOfTwelveCharactersIsTakenAndStored) {
    makeBob();
    open();
    enterName("Abcdefghijkl");

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(player().currentplayer, "Abcdefghijkl");
    EXPECT_EQ(stored(1, "currentplayer"), "Abcdefghijkl");
    EXPECT_EQ(control<QLineEdit>("player1")->text(), "");
    EXPECT_EQ(text("lblcurrentplayer"), "Current Player  ABCDEFGHIJKL");
    EXPECT_EQ(host.caption, "Current Player       ABCDEFGHIJKL");
    EXPECT_EQ(host.PANELBANK, "4480");
    EXPECT_EQ(caption("machine1"), "ABCDEFGHIJKL");
    EXPECT_TRUE(dialog->isVisible());  // Enter names the player; it does not close the dialog

    // The widest name there is leaves the dialog laid out as it was.
    const QRect slotBox = control<QWidget>("slotFrame")->geometry();
    const QRect statistics = control<QWidget>("statsFrame")->geometry();
    enterName("WWWWWWWWWWWW");
    dialog->layout()->activate();
    EXPECT_EQ(control<QWidget>("slotFrame")->geometry(), slotBox);
    EXPECT_EQ(control<QWidget>("statsFrame")->geometry(), statistics);
}

TEST_F(OptionsDialog, TwelveLettersOfSeveralBytesEachAreTwelveCharacters) {
    open();
    const QString name = QStringLiteral("ÄöüßéèÅøñçÿ𐐨");  // 12 letters, the last takes 4 bytes
    enterName(name);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QString::fromStdString(player().currentplayer), name);
    EXPECT_EQ(stored(1, "currentplayer"), name);
}

TEST_F(OptionsDialog, EmptyBlankOrOverlongNamesAreRefusedAndLeaveTheNameAlone) {
    makeBob();
    open();
    const int syncs = host.settings.syncCount();

    enterName("Abcdefghijklm");
    enterName("");
    // Blanks alone name no one: the slot would show neither a name nor "Vacant".
    enterName("   ");
    enterName(QStringLiteral("\t\u3000"));
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[0].kind, 'i');
    EXPECT_EQ(messages.shown[0].title, "Slot_kestrel");
    EXPECT_EQ(messages.shown[0].text, "Name Too Long");
    EXPECT_EQ(messages.shown[1].title, "Slot_kestrel");
    EXPECT_EQ(messages.shown[1].text, "Nothing Entered");
    EXPECT_EQ(messages.shown[2].text, "Nothing Entered");
    EXPECT_EQ(messages.shown[3].text, "Nothing Entered");

    EXPECT_EQ(player().currentplayer, "bob");
    EXPECT_EQ(host.settings.syncCount(), syncs);
    EXPECT_EQ(control<QLineEdit>("player1")->text(), "");
    EXPECT_EQ(text("lblcurrentplayer"), "Current Player  BOB");
}

TEST_F(OptionsDialog, OnlyEnterActsInTheNameEntry) {
    open();
    auto* box = control<QLineEdit>("player1");
    QTest::keyClicks(box, "Sam");
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(player().currentplayer, "");
    QTest::keyClick(control<QLineEdit>("player1"), Qt::Key_Enter);  // the keypad's Enter
    EXPECT_EQ(player().currentplayer, "Sam");
}

TEST_F(OptionsDialog, DeleteAnsweredYesZeroesCreditAndStatisticsButKeepsNameAndSettings) {
    makeBob();
    open();
    messages.answers.push_back(true);
    click("Btndeletedetails");

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, 'c');
    EXPECT_EQ(messages.shown[0].title, "Slots_kestrel");
    EXPECT_EQ(messages.shown[0].text, "Are you sure you want to Delete Current Player's Details ?");

    const PlayerRecord& p = player();
    EXPECT_EQ(p.bank, 0);
    EXPECT_EQ(p.wager, 0);
    EXPECT_EQ(p.total, 0);
    EXPECT_EQ(p.games, 0);
    EXPECT_EQ(p.amountinvested, 0);
    EXPECT_EQ(p.howmanyspins, 0);
    EXPECT_EQ(p.currentplayer, "bob");
    EXPECT_EQ(p.soundonoff, PlayerRecord::kTrue);
    EXPECT_EQ(p.reelspeed, 2);
    EXPECT_EQ(p.winroll, 1);
    EXPECT_EQ(p.machinepay, 4);
    for (const char* key : {"bank", "wager", "total", "games", "amountinvested", "howmanyspins"}) {
        EXPECT_EQ(stored(1, key), "0") << key;
    }
    EXPECT_EQ(stored(1, "currentplayer"), "bob");
    EXPECT_EQ(stored(1, "machinepay"), "4");

    EXPECT_EQ(text("lblgames"), "Games Played            0");
    EXPECT_EQ(text("lblreturned"), "Returned To Player     % ");
    EXPECT_EQ(host.PANELBANK, "");
    EXPECT_EQ(host.gameMetersCleared, 1);
    EXPECT_EQ(host.Lblcredit, "");
    EXPECT_GE(host.idleReelsShown, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closings, 1);
}

TEST_F(OptionsDialog, DeleteAnsweredNoOnlyCloses) {
    makeBob();
    open();
    const PlayerRecord before = player();
    click("Btndeletedetails");
    EXPECT_EQ(player(), before);
    EXPECT_EQ(stored(1, "bank"), "4480");
    EXPECT_EQ(host.PANELBANK, "untouched");
    EXPECT_EQ(host.gameMetersCleared, 0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closings, 1);
}

TEST_F(OptionsDialog, SettingsActOnThePlayerAtOnce) {
    open();
    click("setspeed1");
    EXPECT_EQ(player().reelspeed, 2);
    EXPECT_EQ(host.stopTickSpeed, 2);
    EXPECT_EQ(text("speedlab"), "Current Speed =   2");
    click("setspeed0");
    EXPECT_EQ(player().reelspeed, 1);
    EXPECT_EQ(host.stopTickSpeed, 1);

    click("sounds1");
    EXPECT_TRUE(player().soundsOn());
    click("sounds2");
    EXPECT_EQ(player().soundonoff, 0);

    click("wincounter1");
    EXPECT_EQ(player().winroll, 1);
    EXPECT_EQ(caption("wincounter1"), " ON");
    EXPECT_EQ(caption("wincounter2"), "");
    click("wincounter2");
    EXPECT_EQ(player().winroll, 0);
    EXPECT_EQ(caption("wincounter1"), "");
    EXPECT_EQ(caption("wincounter2"), " OFF");

    click("Amtpayout1");
    EXPECT_EQ(player().machinepay, 4);
    click("Amtpayout0");
    EXPECT_EQ(player().machinepay, 7);
}

// The box belongs to the dialog: the dialog closes once the box is read, not under it.
TEST_F(OptionsDialog, LargeSizeOnAnEightHundredBySixHundredScreenSaysSoAndCloses) {
    open();
    messages.keepOpen = true;
    click("cmdlargescreen");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, 'i');
    EXPECT_EQ(messages.shown[0].title, "Slot_kestrel");
    EXPECT_EQ(messages.shown[0].text, "Already 800 X 600 resolution !!\r");
    EXPECT_EQ(host.screen800.switches, 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(closings, 0);
    messages.closeOpenBoxes();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_GE(host.idleReelsShown, 1);
}

TEST_F(OptionsDialog, LargeSizeSwitchesOnlyWhenBothSidesDiffer) {
    FakeDisplay large({1024, 768});
    host.screen = &large;
    open();
    click("cmdlargescreen");
    EXPECT_EQ(large.switches, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(dialog->isVisible());

    FakeDisplay wide({1024, 600});
    host.screen = &wide;
    open();
    click("cmdlargescreen");
    EXPECT_EQ(wide.switches, 0);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(OptionsDialog, OriginalSizeRestoresTheDisplay) {
    open();
    click("cmdorigonal");
    EXPECT_EQ(host.screen800.restores, 1);
    EXPECT_FALSE(dialog->isVisible());
}

// The keyboard walks the dialog as it reads, left to right and down, and stops on the chosen
// option of each group: Space on any other would change a setting the player only passed by.
TEST_F(OptionsDialog, TabWalksTheDialogInReadingOrderStoppingOnTheChosenOptions) {
    PlayerRecord p = tenGamesOfBob();
    p.soundonoff = 0;
    p.winroll = 0;
    p.machinepay = 4;  // loose
    p.reelspeed = 2;
    setPlayer(p);
    open();
    QApplication::setActiveWindow(dialog.get());
    control("machine1")->setFocus(Qt::OtherFocusReason);
    const auto walk = [](Qt::Key key) {
        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited.join(' ');
    };
    EXPECT_EQ(walk(Qt::Key_Tab),
              "Btndeletedetails player1 sounds2 wincounter2 Amtpayout1 setspeed1 cmdlargescreen "
              "cmdorigonal btnokplayer machine1");
    EXPECT_EQ(walk(Qt::Key_Backtab),
              "btnokplayer cmdorigonal cmdlargescreen setspeed1 Amtpayout1 wincounter2 sounds2 "
              "player1 Btndeletedetails machine1");
    // Passing through changed nothing.
    EXPECT_EQ(player().winroll, 0);
    EXPECT_EQ(player().machinepay, 4);
}

}  // namespace
}  // namespace kestrel::test
