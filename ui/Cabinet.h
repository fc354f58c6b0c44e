#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "ArtBook.h"
#include "Bets.h"
#include "ControlStates.h"
#include "PictureButton.h"

namespace kestrel::ui {

// The controls on the machine's face, created at their places with their names (tests and the
// player's eye find them by those), and the menu and the no-credit panel. Whether each one is
// shown and enabled comes from apply(); the window connects to their presses.
class Cabinet {
public:
    Cabinet(QWidget* window, Presentation& presentation);

    // Shows and enables every control as the cabinet's state has it.
    void apply(const ControlStates& states);
    // Ends the pressed look of the buttons whose look the half-second timer ends.
    void endPressedLooks();

    void openMenu();
    void closeMenu();
    bool menuArea(QPoint at) const;  // over the open menu or its opener

    void showNoCredit(bool shown);

    // play(k) is the push button under the picture pplay(k); it holds the keyboard focus.
    std::array<QPushButton*, kPlayButtons + 1> play{};
    std::array<PictureButton*, kPlayButtons + 1> pplay{};
    std::array<PictureButton*, kLineButtons + 1> payline{};
    PictureButton* coinsin;
    PictureButton* notes;
    PictureButton* autoplayon;
    PictureButton* autoplayoff;
    PictureButton* doublebutton;
    PictureButton* takewin;
    PictureButton* btnoptions;
    PictureButton* btnopenmenu;
    PictureButton* cmdexit;

    QPushButton* viewpaylines;
    QPushButton* mnuviewpaytable;
    QPushButton* lastgames;
    QPushButton* about;
    QPushButton* xit;
    QPushButton* Btnreturn2game;

private:
    QLabel* menupic_;
    QLabel* pannomoney_;
};

}  // namespace kestrel::ui
