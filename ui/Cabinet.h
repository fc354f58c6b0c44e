#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "ArtBook.h"
#include "Bets.h"
#include "PictureButton.h"

namespace kestrel::ui {

// The controls of the machine's face, created at their places with their names, so handlers
// and tests can reach each one by the name it has always had. Owns nothing but widgets (all
// parented to the window); behaviour lives in the window and its presentations.
class Cabinet {
public:
    Cabinet(QWidget* window, const ArtBook& art);

    // Meters.
    QLabel* PANELBANK;
    QLabel* Lblcredit;
    QLabel* LABLASTBET;
    QLabel* lbllast;
    QLabel* LABTHISWIN;
    QLabel* Lblcurrentwin;
    QLabel* LABWIN;
    QLabel* lblwin;

    // Bet and credit controls. play(k) is the push button behind the picture pplay(k).
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

    // Payline markers 1..26.
    std::array<QLabel*, 27> lin{};

    // Free-spin banners and the information plate.
    QLabel* panfreespin;
    QLabel* ctlfrees1;
    QLabel* ctrlfreesleft1;
    QLabel* spinsleft;
    QLabel* freespinscompleted1;

    // Coin sprites.
    QLabel* dollar1;
    QLabel* halfcoin1;

    // The no-credit panel.
    QLabel* pannomoney;

    // Menu.
    QLabel* menupic;
    QPushButton* viewpaylines;
    QPushButton* mnuviewpaytable;
    QPushButton* about;
    QPushButton* xit;
    QPushButton* Btnreturn2game;

    void setPlayButtonsEnabled(bool enabled);  // play(1..6) and pplay(1..6)
    void setLineButtonsEnabled(bool enabled);  // payline(1..5)
    void setMarkersEnabled(bool enabled);      // lin(1..26)
};

}  // namespace kestrel::ui
