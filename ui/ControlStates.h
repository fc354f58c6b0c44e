#pragma once

#include "CabinetMode.h"

namespace kestrel::ui {

// What the cabinet's state is made of, as far as its controls are concerned.
struct CabinetSituation {
    Mode mode = Mode::Idle;
    Mode underneath = Mode::Idle;  // the mode under an open view or dialog
    bool autoplay = false;
    bool freeSpin = false;       // the spin under way belongs to a free-spin feature
    bool gambleOffered = false;  // a win may be gambled now (autoplay already accounted for)
    bool coinsDropping = false;  // a coin press is still dropping its coins
};

struct ControlState {
    bool enabled = false;
    bool visible = true;
    bool operator==(const ControlState&) const = default;
};

// Whether each control of the cabinet is shown and may be pressed. A press on a control that is
// not enabled here does nothing, whatever the widget itself says.
struct ControlStates {
    ControlState play;                        // play(1..6) and their pictures pplay(1..6)
    ControlState lines;                       // payline(1..5)
    ControlState coins;                       // coinsin
    ControlState note;                        // notes
    ControlState autoplayOn;                  // autoplayon
    ControlState autoplayOff;                 // autoplayoff
    ControlState gamble;                      // doublebutton
    ControlState takeWin{false, false};       // takewin
    ControlState options;                     // btnoptions
    ControlState menu;                        // btnopenmenu: whether hovering opens the menu
    ControlState returnToGame{false, false};  // Btnreturn2game
    bool markers = false;  // lin(1..26) draw their payline when the mouse rests on them
    bool keys = false;     // the space bar repeats the bet
    bool window = true;    // the window takes input at all (not while a dialog is open)
    bool operator==(const ControlStates&) const = default;
};

// The one answer to "what can the player press now?".
ControlStates controlStates(const CabinetSituation& situation);

}  // namespace kestrel::ui
