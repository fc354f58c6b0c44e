#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <initializer_list>
#include <string>
#include <vector>

#include "AboutBox.h"
#include "Messages.h"
#include "PayTableWindow.h"
#include "QStringPrinter.h"
#include "ScriptedLinks.h"
#include "ScriptedMessages.h"

namespace kestrel::test {
namespace {

QPixmap picture(QSize size) {
    QPixmap p(size);
    p.fill(Qt::darkCyan);
    return p;
}

// The window is centred on its screen, whatever that screen's size.
void expectCentred(const QWidget& window) {
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(window.x(), screen.x() + (screen.width() - window.width()) / 2);
    EXPECT_EQ(window.y(), screen.y() + (screen.height() - window.height()) / 2);
}

// How a player closes the window: its own button, the close box, or the keyboard (Escape, or
// Enter on the button that has the focus).
enum class Closing { Button, CloseBox, Escape, Enter };

// A key as the keyboard delivers it: to the widget with the focus, and on to its window.
void keyTo(QWidget& window, Qt::Key key) {
    QWidget* focus = window.focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, key);
}

class SecondaryWindow : public ::testing::TestWithParam<Closing> {
protected:
    // Closes `window`, whose own button is `button`, the way this case does.
    void closeIt(QWidget& window, QPushButton& button) {
        switch (GetParam()) {
            case Closing::Button:
                button.click();
                break;
            case Closing::CloseBox:
                window.close();
                break;
            case Closing::Escape:
                keyTo(window, Qt::Key_Escape);
                break;
            case Closing::Enter:
                button.setFocus();
                keyTo(window, Qt::Key_Return);
                break;
        }
    }
};

TEST_P(SecondaryWindow, PayTableClosesAndReportsItOnce) {
    ui::PayTableWindow pays(picture({600, 450}));
    int closings = 0;
    QObject::connect(&pays, &ui::PayTableWindow::closed, [&] { ++closings; });
    pays.showCentred();
    auto* exit = pays.findChild<QPushButton*>("btnunloadpays");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), " EXIT");
    EXPECT_EQ(pays.width(), 600);
    EXPECT_GE(exit->geometry().top(), 450);  // the button covers none of the picture
    EXPECT_TRUE(pays.rect().contains(exit->geometry()));
    expectCentred(pays);

    closeIt(pays, *exit);
    EXPECT_FALSE(pays.isVisible());
    EXPECT_EQ(closings, 1);
    pays.close();
    EXPECT_EQ(closings, 1);
}

TEST_P(SecondaryWindow, AboutBoxClosesAndReportsItOnce) {
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    ScriptedLinks links;
    ScriptedMessages messages;
    ui::AboutBox about(picture({256, 256}), links, messages);
    int closings = 0;
    QObject::connect(&about, &ui::AboutBox::closed, [&] { ++closings; });
    about.showCentred();
    EXPECT_EQ(about.windowTitle(), "About Kestrel");
    auto* icon = about.findChild<QLabel*>("picIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_NE(about.findChild<QLabel*>("lblTitle"), nullptr);
    expectCentred(about);

    closeIt(about, *about.findChild<QPushButton*>("cmdOK"));
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(links.opened.empty());
    EXPECT_TRUE(messages.shown.empty());
}

std::string closingName(const ::testing::TestParamInfo<Closing>& info) {
    static const char* const kNames[] = {"Button", "CloseBox", "Escape", "Enter"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryWay, SecondaryWindow,
                         ::testing::Values(Closing::Button, Closing::CloseBox, Closing::Escape,
                                           Closing::Enter),
                         closingName);

// Both windows hold the machine until they close. The window manager keeps a dialog above the
// window it belongs to (a full-screen machine included) and offers no button to minimise it: a
// window hidden behind the machine or minimised would leave the machine greyed and deaf with
// nothing on screen to give it back.
TEST(SecondaryWindows, StayAboveTheMachineTheyHold) {
    QWidget machine;
    machine.show();
    ScriptedLinks links;
    ScriptedMessages messages;
    ui::PayTableWindow pays(picture({600, 450}), &machine);
    ui::AboutBox about(picture({256, 256}), links, messages, &machine);
    for (ui::SecondaryWindow* secondary :
         std::initializer_list<ui::SecondaryWindow*>{&pays, &about}) {
        const std::string name = secondary->objectName().toStdString();
        secondary->showCentred();
        const QWindow* handle = secondary->windowHandle();
        ASSERT_NE(handle, nullptr) << name;
        EXPECT_EQ(handle->type(), Qt::Dialog) << name;
        EXPECT_EQ(handle->transientParent(), machine.windowHandle()) << name;
        EXPECT_FALSE(handle->flags().testFlag(Qt::WindowMinimizeButtonHint)) << name;
        secondary->close();
    }
}

TEST(AboutBoxLink, OpensTheProjectPage) {
    ScriptedLinks links;
    ScriptedMessages messages;
    ui::AboutBox about(picture({256, 256}), links, messages);
    about.findChild<QPushButton*>("cmdLink")->click();
    ASSERT_EQ(links.opened.size(), 1u);
    about.show();
    about.findChild<QPushButton*>("cmdLink")->setFocus();  // Tab to it, then Enter
    keyTo(about, Qt::Key_Enter);
    ASSERT_EQ(links.opened.size(), 2u);
    EXPECT_EQ(links.opened[0], QUrl("https://github.com/kestrel-slot/kestrel"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the busy pointer is gone again
}

TEST(AboutBoxLink, AFailureIsShownWithTheAddressAndTheDetails) {
    ScriptedLinks links;
    links.answer = {false, QStringLiteral("no browser")};
    ScriptedMessages messages;
    ui::AboutBox about(picture({256, 256}), links, messages);
    about.show();
    about.findChild<QPushButton*>("cmdLink")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "ExecuteLink");
    EXPECT_EQ(messages.shown[0].text,
              "error Opening Link to https://github.com/kestrel-slot/kestrel\n\nno browser");
    EXPECT_TRUE(about.isVisible());  // the box stays open for another try
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A box hands the keys back once it closes: to the window it stood over (the machine, the
// options, the about box), or to the dialog that is still modal. Where no window manager does
// it the focus would go nowhere when the box goes, and that window would be deaf to Enter,
// Escape and typing until clicked. `nowhere` stands for where the focus went.
TEST(MessageBoxes, HandTheKeysBackToTheWindowTheyStoodOver) {
    QWidget machine;
    machine.show();
    QDialog owner(&machine);
    owner.show();
    owner.activateWindow();
    if (!QTest::qWaitForWindowActive(&owner)) {
        GTEST_SKIP() << "the window system does not make a window active when asked";
    }
    ui::QtMessages messages;
    int closings = 0;
    messages.inform(&owner, QStringLiteral("Slot_kestrel"), QStringLiteral("Nothing Entered"),
                    [&] { ++closings; });
    auto* box = owner.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    QWidget nowhere;
    nowhere.show();
    nowhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&nowhere));
    box->button(QMessageBox::Ok)->click();
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));

    // A box over the machine while a dialog is open leaves the keys with the dialog.
    owner.setModal(true);
    owner.show();
    messages.warn(&machine, QStringLiteral("Slots_kestrel"), QStringLiteral("credit full"), {});
    auto* overMachine = machine.findChild<QMessageBox*>();
    ASSERT_NE(overMachine, nullptr);
    nowhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&nowhere));
    overMachine->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&owner));
}

}  // namespace
}  // namespace kestrel::test
