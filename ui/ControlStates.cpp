#include "ControlStates.h"

namespace kestrel::ui {

namespace {

// The controls of play: bets, lines and the credit buttons.
void enablePlay(ControlStates& c) {
    c.play.enabled = true;
    c.lines.enabled = true;
    c.coins.enabled = true;
    c.note.enabled = true;
}

}  // namespace

ControlStates controlStates(const CabinetSituation& s) {
    ControlStates c;
    c.window = s.mode != Mode::Dialog && s.mode != Mode::Closed;
    switch (s.mode) {
        case Mode::Idle:
            if (s.autoplay) {
                // Autoplay holds every other control until it is switched off.
                c.autoplayOff.enabled = true;
                break;
            }
            enablePlay(c);
            c.autoplayOn.enabled = true;
            c.gamble.enabled = s.gambleOffered;
            // Coins still dropping belong to the player they were inserted for.
            c.options.enabled = !s.coinsDropping;
            c.menu.enabled = true;
            c.keys = true;
            break;
        case Mode::Spinning:
            if (s.freeSpin) {
                break;
            }
            if (s.autoplay) {
                c.autoplayOff.enabled = true;
                break;
            }
            c.play.enabled = true;  // a bet pressed while the reels turn stops them
            c.note.enabled = true;
            break;
        case Mode::FeatureWon:
            c.takeWin = {true, true};
            c.menu.enabled = !s.autoplay;
            break;
        case Mode::PaylineView:
            c.returnToGame = {true, true};
            c.markers = true;
            // Over a machine at rest a bet, a line or the credit buttons bring the reels back.
            if (s.underneath == Mode::Idle && !s.autoplay) {
                enablePlay(c);
            }
            break;
        case Mode::LastGames:  // the view's own buttons are the only ones
        case Mode::Settling:   // a feature is being announced
        case Mode::FreeSpins:
        case Mode::Gamble:
        case Mode::Dialog:
        case Mode::Closed:
            break;
    }
    return c;
}

}  // namespace kestrel::ui
