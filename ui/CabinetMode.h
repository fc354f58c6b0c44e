#pragma once

namespace kestrel::ui {

// What the cabinet is doing, as far as the player's presses are concerned.
enum class Mode {
    Idle,         // at rest: the player may bet, insert credit, gamble, open the menu
    Spinning,     // a decided spin's reels turn and its result is shown
    Settling,     // a spin that won free spins announces them, step by step
    FreeSpins,    // a free-spin feature runs; the next free spin presses itself
    FeatureWon,   // the feature is complete and its total waits to be taken
    Gamble,       // the gamble panel is open
    PaylineView,  // the reels are away and the markers draw their lines
    LastGames,    // the reels show a game of the past and its figures
    Dialog,       // the options, the pay table, the about box or a notice is open
    Closed,       // the program is ending
};

// The cabinet's mode and the moves between modes that make sense. The pay-line view, the last
// games and the dialogs lie over the mode they were opened from and give it back when they
// close.
class CabinetMode {
public:
    Mode current() const { return current_; }
    // The mode an open view or dialog lies over (the current one otherwise).
    Mode underneath() const { return isOverlay(current_) ? underneath_ : current_; }
    bool is(Mode mode) const { return current_ == mode; }

    // Moves to `next` when that move is allowed; false, and nothing changes, otherwise.
    bool enter(Mode next);
    // Closes the view or dialog that is open, back to the mode underneath it.
    bool leaveOverlay();
    // A game taken up where it was left (after a power cut): from rest straight into the mode
    // the game was in.
    bool resume(Mode mode);

    static bool allows(Mode from, Mode to);
    static bool isOverlay(Mode mode) {
        return mode == Mode::PaylineView || mode == Mode::LastGames || mode == Mode::Dialog;
    }

private:
    Mode current_ = Mode::Idle;
    Mode underneath_ = Mode::Idle;
};

}  // namespace kestrel::ui
