#include <QPushButton>
#include <functional>

#include "OptionsFixture.h"

namespace kestrel::test {
namespace {

struct ClosingPath {
    const char* name;
    std::function<void(ui::OptionsDialog&)> close;
};

void PrintTo(const ClosingPath& path, std::ostream* out) {
    *out << path.name;
}

class OptionsClosing : public OptionsFixture, public ::testing::WithParamInterface<ClosingPath> {};

// Every way out of the dialog runs the same closing: the window comes back, a pending gamble is
// lost, an unchosen speed becomes fast, and the record is written with what the dialog changed.
TEST_P(OptionsClosing, WritesTheRecordTurnsAnUnsetSpeedIntoFastAndDisablesTheGamble) {
    PlayerRecord ann;
    ann.bank = 321;
    ann.currentplayer = "Ann";
    setPlayer(ann);
    winOneCredit();  // a win that could still be gambled
    ASSERT_TRUE(host.machine().canGamble());
    open();
    click("sounds1");  // a change the record has not seen yet
    control<QLineEdit>("player1")->setText("half-typed");

    GetParam().close(*dialog);
    clock.settle();

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(host.machine().canGamble());
    EXPECT_GE(host.idleReelsShown, 1);
    EXPECT_EQ(player().reelspeed, 1);
    EXPECT_EQ(stored(1, "reelspeed"), "1");
    EXPECT_EQ(stored(1, "soundonoff"), "-1");
    EXPECT_EQ(stored(1, "bank"), "321");
    EXPECT_EQ(control<QLineEdit>("player1")->text(), "");

    // A second close does not run the closing again.
    dialog->close();
    EXPECT_EQ(closings, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayOut, OptionsClosing,
    ::testing::Values(
        ClosingPath{
            "OK", [](ui::OptionsDialog& d) { d.findChild<QPushButton*>("btnokplayer")->click(); }},
        ClosingPath{"EnterOnOK",
                    [](ui::OptionsDialog& d) {
                        auto* ok = d.findChild<QPushButton*>("btnokplayer");
                        ok->setFocus();  // tabbed to
                        QTest::keyClick(ok, Qt::Key_Return);
                    }},
        ClosingPath{"CloseBox", [](ui::OptionsDialog& d) { d.close(); }},
        ClosingPath{"Escape", [](ui::OptionsDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        ClosingPath{
            "DeleteAnsweredNo",
            [](ui::OptionsDialog& d) { d.findChild<QPushButton*>("Btndeletedetails")->click(); }},
        ClosingPath{
            "LargeSize",
            [](ui::OptionsDialog& d) { d.findChild<QPushButton*>("cmdlargescreen")->click(); }},
        ClosingPath{
            "OriginalSize",
            [](ui::OptionsDialog& d) { d.findChild<QPushButton*>("cmdorigonal")->click(); }}),
    [](const ::testing::TestParamInfo<ClosingPath>& info) { return info.param.name; });

}  // namespace
}  // namespace kestrel::test
