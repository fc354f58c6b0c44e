#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ControlStates.h"

namespace kestrel::ui {
namespace {

// The controls a situation lets the player press, by name.
std::set<std::string> pressable(const ControlStates& c) {
    std::set<std::string> on;
    const auto add = [&](const char* name, bool enabled) {
        if (enabled) {
            on.insert(name);
        }
    };
    add("play", c.play.enabled);
    add("lines", c.lines.enabled);
    add("coins", c.coins.enabled);
    add("note", c.note.enabled);
    add("autoplayOn", c.autoplayOn.enabled);
    add("autoplayOff", c.autoplayOff.enabled);
    add("gamble", c.gamble.enabled);
    add("takeWin", c.takeWin.enabled);
    add("options", c.options.enabled);
    add("menu", c.menu.enabled);
    add("returnToGame", c.returnToGame.enabled);
    add("markers", c.markers);
    add("keys", c.keys);
    return on;
}

struct Row {
    Mode mode;
    bool autoplay;
    std::set<std::string> on;
};

// Every mode, with autoplay off and on, and what may be pressed in it; a win is on offer and no
// coins drop, so the gamble and the options show whenever the mode allows them.
TEST(ControlStates, EachModeLetsThePlayerPressExactlyItsControls) {
    const Row rows[] = {
        {Mode::Idle,
         false,
         {"play", "lines", "coins", "note", "autoplayOn", "gamble", "options", "menu", "keys"}},
        {Mode::Idle, true, {"autoplayOff"}},
        {Mode::Spinning, false, {"play", "note"}},
        {Mode::Spinning, true, {"autoplayOff"}},
        {Mode::Settling, false, {}},
        {Mode::Settling, true, {}},
        {Mode::FreeSpins, false, {}},
        {Mode::FreeSpins, true, {}},
        {Mode::FeatureWon, false, {"takeWin", "menu"}},
        {Mode::FeatureWon, true, {"takeWin"}},
        {Mode::Gamble, false, {}},
        {Mode::PaylineView, false, {"play", "lines", "coins", "note", "returnToGame", "markers"}},
        {Mode::Dialog, false, {}},
        {Mode::Closed, false, {}},
    };
    for (const Row& row : rows) {
        CabinetSituation s;
        s.mode = row.mode;
        s.autoplay = row.autoplay;
        s.gambleOffered = true;
        const ControlStates c = controlStates(s);
        EXPECT_EQ(pressable(c), row.on)
            << "mode " << static_cast<int>(row.mode) << (row.autoplay ? " with autoplay" : "");
        EXPECT_EQ(c.window, row.mode != Mode::Dialog && row.mode != Mode::Closed);
        EXPECT_EQ(c.takeWin.visible, row.mode == Mode::FeatureWon);
        EXPECT_EQ(c.returnToGame.visible, row.mode == Mode::PaylineView);
    }
}

TEST(ControlStates, SituationsWithinAModeTurnSingleControlsOff) {
    CabinetSituation s;
    s.gambleOffered = false;
    EXPECT_FALSE(controlStates(s).gamble.enabled);
    s.coinsDropping = true;  // coins belong to the player they were inserted for
    EXPECT_FALSE(controlStates(s).options.enabled);
    EXPECT_TRUE(controlStates(s).play.enabled);

    CabinetSituation freeSpin;
    freeSpin.mode = Mode::Spinning;
    freeSpin.freeSpin = true;
    EXPECT_TRUE(pressable(controlStates(freeSpin)).empty());

    // The pay-line view over a feature's waiting total keeps the bets shut.
    CabinetSituation overTotal;
    overTotal.mode = Mode::PaylineView;
    overTotal.underneath = Mode::FeatureWon;
    EXPECT_EQ(pressable(controlStates(overTotal)),
              (std::set<std::string>{"returnToGame", "markers"}));
}

TEST(CabinetMode, RefusesMovesThatMakeNoSense) {
    CabinetMode mode;
    EXPECT_FALSE(mode.enter(Mode::FreeSpins));  // a feature starts from a spin only
    EXPECT_FALSE(mode.enter(Mode::Settling));
    EXPECT_TRUE(mode.enter(Mode::Spinning));
    EXPECT_FALSE(mode.enter(Mode::Dialog));  // no dialog over turning reels
    EXPECT_FALSE(mode.enter(Mode::Gamble));
    EXPECT_FALSE(mode.enter(Mode::Spinning));
    EXPECT_TRUE(mode.enter(Mode::Settling));
    EXPECT_FALSE(mode.enter(Mode::Idle));  // a triggering spin ends in the feature
    EXPECT_TRUE(mode.enter(Mode::FreeSpins));
    EXPECT_FALSE(mode.enter(Mode::PaylineView));
    EXPECT_TRUE(mode.enter(Mode::Spinning));
    EXPECT_TRUE(mode.enter(Mode::FeatureWon));
    EXPECT_FALSE(mode.enter(Mode::Spinning));  // the total waits to be taken
    EXPECT_TRUE(mode.enter(Mode::Closed));
    EXPECT_FALSE(mode.enter(Mode::Idle));
    EXPECT_FALSE(mode.enter(Mode::Closed));
}

TEST(CabinetMode, ViewsAndDialogsGiveBackTheModeTheyLayOver) {
    CabinetMode mode;
    ASSERT_TRUE(mode.enter(Mode::Spinning));
    ASSERT_TRUE(mode.enter(Mode::FeatureWon));
    ASSERT_TRUE(mode.enter(Mode::PaylineView));
    EXPECT_EQ(mode.underneath(), Mode::FeatureWon);
    EXPECT_FALSE(mode.enter(Mode::Dialog));  // one thing over the cabinet at a time
    EXPECT_FALSE(mode.enter(Mode::Idle));    // only closing the view leaves it
    EXPECT_TRUE(mode.leaveOverlay());
    EXPECT_EQ(mode.current(), Mode::FeatureWon);
    EXPECT_FALSE(mode.leaveOverlay());
    ASSERT_TRUE(mode.enter(Mode::Dialog));
    EXPECT_TRUE(mode.enter(Mode::Closed));  // the program may end with a dialog open
}

}  // namespace
}  // namespace kestrel::ui
