#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "AboutBox.h"
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

class SecondaryWindow : public ::testing::TestWithParam<bool> {
protected:
    bool byCloseBox() const { return GetParam(); }
};

TEST_P(SecondaryWindow, PayTableClosesAndReportsItOnceByButtonOrCloseBox) {
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

    if (byCloseBox()) {
        pays.close();
    } else {
        exit->click();
    }
    EXPECT_FALSE(pays.isVisible());
    EXPECT_EQ(closings, 1);
    pays.close();
    EXPECT_EQ(closings, 1);
}

TEST_P(SecondaryWindow, AboutBoxClosesAndReportsItOnceByOkOrCloseBox) {
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

    if (byCloseBox()) {
        about.close();
    } else {
        about.findChild<QPushButton*>("cmdOK")->click();
    }
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(links.opened.empty());
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(ButtonOrCloseBox, SecondaryWindow, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "CloseBox" : "Button";
                         });

TEST(AboutBoxLink, OpensTheProjectPage) {
    ScriptedLinks links;
    ScriptedMessages messages;
    ui::AboutBox about(picture({256, 256}), links, messages);
    about.findChild<QPushButton*>("cmdLink")->click();
    ASSERT_EQ(links.opened.size(), 1u);
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

}  // namespace
}  // namespace kestrel::test
