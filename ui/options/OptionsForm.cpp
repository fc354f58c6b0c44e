#include "OptionsForm.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <tuple>

#include "OptionsStyle.h"
#include "PlayerName.h"

namespace kestrel::ui {

namespace {

QString indexed(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = named(new QPushButton(caption, parent), name);
    // Enter belongs to the name entry: no button of the dialog is a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QGroupBox* frame(const QString& name, const QString& title, QWidget* parent) {
    return named(new QGroupBox(title, parent), name);
}

// Creates the option buttons first..last of an array, with their captions, in one group.
template <std::size_t N>
QButtonGroup* optionArray(std::array<QRadioButton*, N>& buttons, const char* name, int first,
                          const std::array<QString, N>& captions, QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Group"));
    for (int i = first; i < static_cast<int>(N); ++i) {
        buttons[i] = named(new QRadioButton(captions[i], parent), indexed(name, i));
        buttons[i]->setCursor(Qt::PointingHandCursor);
        group->addButton(buttons[i], i);
    }
    return group;
}

}  // namespace

OptionsForm::OptionsForm(QDialog* dialog) {
    dialog->setStyleSheet(optionsStyleSheet());
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(10, 10, 10, 10);
    mainFrame = frame(QStringLiteral("mainFrame"), QStringLiteral("Kestrel Options"), dialog);
    outer->addWidget(mainFrame);
    auto* grid = new QGridLayout(mainFrame);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);

    // Player slotBox and the name entry.
    auto* slotBox = frame(QStringLiteral("slotFrame"), QStringLiteral("Player Slots"), mainFrame);
    machineGroup = optionArray<7>(machine, "machine", 1, {}, slotBox);
    auto* slotColumn = new QVBoxLayout(slotBox);
    slotColumn->setSpacing(4);
    // The slots are as wide as the widest name they may show from the start, so entering one
    // does not push the rest of the dialog aside.
    machine[1]->setText(QString(kMaxNameLength, u'W'));
    machine[1]->ensurePolished();
    const int widestName = machine[1]->sizeHint().width();
    machine[1]->setText({});
    for (int n = 1; n <= 6; ++n) {
        machine[n]->setMinimumWidth(widestName);
        slotColumn->addWidget(machine[n]);
    }
    grid->addWidget(slotBox, 0, 0);

    // Statistics.
    auto* stats = frame(QStringLiteral("statsFrame"), QStringLiteral("Statistics"), mainFrame);
    auto* statColumn = new QVBoxLayout(stats);
    statColumn->setSpacing(3);
    lblcurrentplayer = label(QStringLiteral("lblcurrentplayer"), {}, stats);
    lblgames = label(QStringLiteral("lblgames"), {}, stats);
    lblwager = label(QStringLiteral("lblwager"), {}, stats);
    lbltotalwon = label(QStringLiteral("lbltotalwon"), {}, stats);
    lblwinlose = label(QStringLiteral("lblwinlose"), {}, stats);
    lblreturned = label(QStringLiteral("lblreturned"), {}, stats);
    lblinvested = label(QStringLiteral("lblinvested"), {}, stats);
    lblfreespins = label(QStringLiteral("lblfreespins"), {}, stats);
    lblcurrentplayer->setProperty("headline", true);
    for (QLabel* line : {lblcurrentplayer, lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned,
                         lblinvested, lblfreespins}) {
        line->setProperty("statistic", true);
        line->setTextFormat(Qt::PlainText);  // a name is never markup
        statColumn->addWidget(line);
    }
    statColumn->addStretch();
    Btndeletedetails =
        button(QStringLiteral("Btndeletedetails"), QStringLiteral("Delete Current Player"), stats);
    Btndeletedetails->setProperty("warning", true);
    statColumn->addWidget(Btndeletedetails, 0, Qt::AlignHCenter);
    grid->addWidget(stats, 0, 1, 1, 3);

    auto* entry = new QVBoxLayout;
    lblplayername = label(
        QStringLiteral("lblplayername"),
        QStringLiteral("Input Player Name") + QString(34, u' ') + QStringLiteral("Then Enter"),
        mainFrame);
    player1 = named(new QLineEdit(mainFrame), QStringLiteral("player1"));
    entry->addWidget(lblplayername);
    entry->addWidget(player1);
    grid->addLayout(entry, 1, 0, 1, 2);

    // Settings.
    auto* speed = frame(QStringLiteral("speedFrame"), QStringLiteral("Reel Speed"), mainFrame);
    fastslow =
        label(QStringLiteral("fastslow"),
              QStringLiteral("<<<Faster") + QString(23, u' ') + QStringLiteral("Slower>>>"), speed);
    setspeedGroup =
        optionArray<2>(setspeed, "setspeed", 0, {QStringLiteral("1"), QStringLiteral("2")}, speed);
    speedlab = label(QStringLiteral("speedlab"), {}, speed);
    auto* speedLayout = new QGridLayout(speed);
    speedLayout->addWidget(fastslow, 0, 0, 1, 2);
    speedLayout->addWidget(setspeed[0], 1, 0, Qt::AlignLeft);
    speedLayout->addWidget(setspeed[1], 1, 1, Qt::AlignRight);
    speedLayout->addWidget(speedlab, 2, 0, 1, 2);
    grid->addWidget(speed, 1, 2, 2, 2);

    auto* sound = frame(QStringLiteral("soundFrame"), QStringLiteral("toggle sound"), mainFrame);
    soundsGroup = optionArray<3>(sounds, "sounds", 1,
                                 {QString(), QStringLiteral(" ON"), QStringLiteral(" OFF")}, sound);
    auto* win = frame(QStringLiteral("wincounterFrame"), QStringLiteral("Win Counter"), mainFrame);
    wincounterGroup = optionArray<3>(wincounter, "wincounter", 1, {}, win);
    auto* payout = frame(QStringLiteral("payoutFrame"), QStringLiteral("Payout %"), mainFrame);
    AmtpayoutGroup = optionArray<2>(Amtpayout, "Amtpayout", 0,
                                    {QStringLiteral("Realistic"), QStringLiteral("Loose")}, payout);
    auto* settings = new QHBoxLayout;
    for (auto [box, first, second] :
         {std::tuple{sound, sounds[1], sounds[2]}, std::tuple{win, wincounter[1], wincounter[2]},
          std::tuple{payout, Amtpayout[0], Amtpayout[1]}}) {
        auto* column = new QVBoxLayout(box);
        column->addWidget(first);
        column->addWidget(second);
        settings->addWidget(box);
    }
    grid->addLayout(settings, 2, 0, 1, 2);

    // Screen size and the way out.
    auto* screen = frame(QStringLiteral("screenFrame"), QStringLiteral("Screen Size"), mainFrame);
    cmdlargescreen =
        button(QStringLiteral("cmdlargescreen"), QStringLiteral("Large Size 800X600"), screen);
    cmdorigonal =
        button(QStringLiteral("cmdorigonal"), QStringLiteral("Original Screen Size"), screen);
    auto* note =
        label(QStringLiteral("screenNote"),
              QStringLiteral("Note :- Some machines \nmay not support this \noption."), screen);
    note->setProperty("note", true);
    auto* screenLayout = new QGridLayout(screen);
    screenLayout->addWidget(cmdlargescreen, 0, 0);
    screenLayout->addWidget(cmdorigonal, 1, 0);
    screenLayout->addWidget(note, 0, 1, 2, 1);
    grid->addWidget(screen, 3, 0, 1, 2);

    btnokplayer = button(QStringLiteral("btnokplayer"),
                         QStringLiteral("O.K. Close and save changes"), mainFrame);
    btnokplayer->setProperty("primary", true);
    grid->addWidget(btnokplayer, 3, 2, 1, 2, Qt::AlignCenter);

    // The keyboard reads the dialog as the eye does: the settings under the name entry before
    // the reel speed beside them, though the speed was made first.
    QWidget* const order[] = {machine[1],     machine[2],   machine[3],       machine[4],
                              machine[5],     machine[6],   Btndeletedetails, player1,
                              sounds[1],      sounds[2],    wincounter[1],    wincounter[2],
                              Amtpayout[0],   Amtpayout[1], setspeed[0],      setspeed[1],
                              cmdlargescreen, cmdorigonal,  btnokplayer};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void OptionsForm::mark(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
    } else {
        // An exclusive group cannot be emptied directly.
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons()) {
            b->setChecked(false);
        }
        group->setExclusive(true);
    }
    // Tab stops at one button of a group, the arrows move among them. Qt keeps the stop on the
    // button focused last, which before any is focused is the first: Space there would change a
    // setting the player only tabbed past (and the win counter's unchosen button has no caption
    // to show the focus on). The chosen one is the stop, or the first while none is.
    const QList<QAbstractButton*> buttons = group->buttons();
    QAbstractButton* stop = group->checkedButton() ? group->checkedButton() : buttons.value(0);
    for (QAbstractButton* b : buttons) {
        const int policy =
            b == stop ? b->focusPolicy() | Qt::TabFocus : b->focusPolicy() & ~Qt::TabFocus;
        b->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
    }
}

}  // namespace kestrel::ui
