#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

class QDialog;

namespace kestrel::ui {

// The controls of the options dialog, laid out and named, so handlers and tests reach each one
// by its name. Option arrays keep their indices: machine(1..6), setspeed(0..1), sounds(1..2),
// wincounter(1..2), Amtpayout(0..1); each array's button group reports clicks by that index.
// Owns nothing but widgets parented to the dialog.
class OptionsForm {
public:
    explicit OptionsForm(QDialog* dialog);

    QGroupBox* mainFrame;

    std::array<QRadioButton*, 7> machine{};
    QButtonGroup* machineGroup;
    QLabel* lblplayername;
    QLineEdit* player1;

    QLabel* lblcurrentplayer;
    QLabel* lblgames;
    QLabel* lblwager;
    QLabel* lbltotalwon;
    QLabel* lblwinlose;
    QLabel* lblreturned;
    QLabel* lblinvested;
    QLabel* lblfreespins;
    QPushButton* Btndeletedetails;

    std::array<QRadioButton*, 2> setspeed{};
    QButtonGroup* setspeedGroup;
    QLabel* fastslow;
    QLabel* speedlab;
    std::array<QRadioButton*, 3> sounds{};
    QButtonGroup* soundsGroup;
    std::array<QRadioButton*, 3> wincounter{};
    QButtonGroup* wincounterGroup;
    std::array<QRadioButton*, 2> Amtpayout{};
    QButtonGroup* AmtpayoutGroup;

    QPushButton* cmdlargescreen;
    QPushButton* cmdorigonal;
    QPushButton* btnokplayer;

    // Marks the button of `id` in the group, or none when no button has that id.
    static void mark(QButtonGroup* group, int id);
};

}  // namespace kestrel::ui
