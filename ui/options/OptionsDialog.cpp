#include "OptionsDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>

#include "EnterKey.h"
#include "Layout.h"
#include "PayoutLevel.h"
#include "PlayerName.h"
#include "ReelSpeed.h"
#include "SavedGame.h"

namespace kestrel::ui {

namespace {
const QString kNameTitle = QStringLiteral("Slot_kestrel");
constexpr std::int16_t kRealistic = machinepayOf(Payout::Realistic);
constexpr std::int16_t kLoose = machinepayOf(Payout::Loose);

// A radio button's caption shows '&' only when doubled.
QString asCaption(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}
}  // namespace

OptionsDialog::OptionsDialog(OptionsHost& host, Messages& messages, QWidget* parent)
    : QDialog(parent), host_(host), messages_(messages), c_(this) {
    setObjectName(QStringLiteral("frmkestreloptions"));
    setWindowTitle(QStringLiteral("Kestrel Options"));
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);
    c_.player1->installEventFilter(this);
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void OptionsDialog::connectControls() {
    connect(c_.machineGroup, &QButtonGroup::idClicked, this, &OptionsDialog::machineClicked);
    connect(c_.setspeedGroup, &QButtonGroup::idClicked, this, &OptionsDialog::setspeedClicked);
    connect(c_.soundsGroup, &QButtonGroup::idClicked, this, &OptionsDialog::soundsClicked);
    connect(c_.wincounterGroup, &QButtonGroup::idClicked, this, &OptionsDialog::wincounterClicked);
    connect(c_.AmtpayoutGroup, &QButtonGroup::idClicked, this, &OptionsDialog::AmtpayoutClicked);
    connect(c_.Btndeletedetails, &QPushButton::clicked, this, &OptionsDialog::deleteClicked);
    connect(c_.btnokplayer, &QPushButton::clicked, this, &OptionsDialog::okClicked);
    connect(c_.cmdlargescreen, &QPushButton::clicked, this, &OptionsDialog::largeScreenClicked);
    connect(c_.cmdorigonal, &QPushButton::clicked, this, &OptionsDialog::originalClicked);
}

// --- helpers ------------------------------------------------------------------------------

int OptionsDialog::activeSlot() const {
    const QString& number = host_.records().playernumber();
    for (int n = 1; n <= PlayerRecordStore::kSlots; ++n) {
        if (number == QString::number(n)) {
            return n;
        }
    }
    return 0;
}

QString OptionsDialog::nameInCapitals() const {
    return QString::fromStdString(host_.machine().player().currentplayer).toUpper();
}

void OptionsDialog::writeRecord() {
    (void)host_.records().save(host_.machine());  // the window shows a failed save
}

void OptionsDialog::showSlotName(int n) {
    if (n < 1 || n > PlayerRecordStore::kSlots) {
        return;
    }
    const QString name = n == activeSlot() ? QString::fromStdString(player().currentplayer)
                                           : host_.records().slotName(n);
    c_.machine[n]->setText(name.isEmpty() ? QStringLiteral("Vacant") : asCaption(name.toUpper()));
}

void OptionsDialog::markOptions() {
    const PlayerRecord& p = player();
    if (p.winroll == 1) {
        c_.wincounter[1]->setText(QStringLiteral(" ON "));
        c_.wincounter[2]->setText(QString());
        OptionsForm::mark(c_.wincounterGroup, 1);
    } else {
        c_.wincounter[2]->setText(QStringLiteral(" OFF"));
        c_.wincounter[1]->setText(QString());
        OptionsForm::mark(c_.wincounterGroup, 2);
    }
    // A value the dialog does not offer marks nothing, and clears what an earlier slot marked.
    const bool speedChosen = p.reelspeed == kFastReels || p.reelspeed == kSlowReels;
    OptionsForm::mark(c_.setspeedGroup, speedChosen ? p.reelspeed - 1 : -1);
    c_.speedlab->setText(speedChosen
                             ? QStringLiteral("Current Speed =   ") + QString::number(p.reelspeed)
                             : QString());
    OptionsForm::mark(c_.AmtpayoutGroup,
                      p.machinepay == kRealistic ? 0 : (p.machinepay == kLoose ? 1 : -1));
    OptionsForm::mark(c_.soundsGroup,
                      p.soundonoff == PlayerRecord::kTrue ? 1 : (p.soundonoff == 0 ? 2 : -1));
}

void OptionsDialog::fillStatistics(StatisticsMoment moment) {
    const StatisticLines lines = statisticLines(player(), moment);
    c_.lblcurrentplayer->setText(lines.lblcurrentplayer);
    c_.lblgames->setText(lines.lblgames);
    c_.lblwager->setText(lines.lblwager);
    c_.lbltotalwon->setText(lines.lbltotalwon);
    c_.lblwinlose->setText(lines.lblwinlose);
    c_.lblreturned->setText(lines.lblreturned);
    c_.lblinvested->setText(lines.lblinvested);
    c_.lblfreespins->setText(lines.lblfreespins);
}

void OptionsDialog::showPlayerOnWindow() {
    host_.showCredit();
    host_.setCaption(QStringLiteral("Current Player       ") + nameInCapitals());
}

// --- opening ------------------------------------------------------------------------------

void OptionsDialog::load() {
    show();
    writeRecord();
    for (int n = 1; n <= PlayerRecordStore::kSlots; ++n) {
        showSlotName(n);
    }
    OptionsForm::mark(c_.machineGroup, activeSlot());
    markOptions();
    fillStatistics(StatisticsMoment::Opening);
}

// --- player slots and the name ------------------------------------------------------------

void OptionsDialog::machineClicked(int n) {
    if (!host_.machine().maySwitchPlayer()) {
        OptionsForm::mark(c_.machineGroup, activeSlot());
        return;
    }
    // The slot being left keeps what happened in it since the dialog opened.
    writeRecord();
    Machine& machine = host_.machine();
    const std::optional<StoreProblem> before = host_.records().lastProblem();
    const TakenUp taken = takeUp(machine, host_.records().switchToSaved(n, player()),
                                 machine.linesPlayed(), machine.betPerLine());
    // Money in the picked record that could not be read is said now, as at the start: the
    // window's notice would go with the save that closes the dialog before anyone saw it.
    const std::optional<StoreProblem> found = host_.records().lastProblem();
    const bool partlyRead = found && found->partlyRead && found != before;
    host_.setReelSpeed(player().reelspeed);
    host_.clearGameMeters();
    showPlayerOnWindow();
    showSlotName(n);
    fillStatistics(StatisticsMoment::SlotPicked);
    markOptions();
    if (taken == TakenUp::Damaged) {
        messages_.warn(this, machineBoxTitle(), damagedSavedGameText());
    }
    if (partlyRead) {
        messages_.warn(this, machineBoxTitle(), found->message());
    }
}

void OptionsDialog::nameEntered() {
    const QString typed = c_.player1->text();
    const NameCheck check = checkName(typed);
    if (check == NameCheck::NothingEntered) {
        messages_.inform(this, kNameTitle, QStringLiteral("Nothing Entered"));
    } else if (check == NameCheck::TooLong) {
        messages_.inform(this, kNameTitle, QStringLiteral("Name Too Long"));
    } else {
        host_.machine().renamePlayer(typed.toStdString());
    }
    c_.player1->clear();
    c_.lblcurrentplayer->setText(QStringLiteral("Current Player  ") + nameInCapitals());
    if (check != NameCheck::Accepted) {
        return;
    }
    showPlayerOnWindow();
    showSlotName(activeSlot());
    writeRecord();
}

void OptionsDialog::deleteClicked() {
    if (!host_.machine().maySwitchPlayer()) {
        return;
    }
    messages_.confirm(this, machineBoxTitle(),
                      QStringLiteral("Are you sure you want to Delete Current Player's Details ?"),
                      [this](bool yes) {
                          // The machine may have moved on while the question was open; then nothing
                          // is cleared.
                          if (yes && host_.machine().maySwitchPlayer()) {
                              host_.showIdleReels();
                              host_.machine().clearStatistics();
                              writeRecord();
                              fillStatistics(StatisticsMoment::Deleted);
                              host_.blankCredit();
                              host_.clearGameMeters();
                          }
                          close();
                      });
}

// --- settings -----------------------------------------------------------------------------

void OptionsDialog::setspeedClicked(int k) {
    const int reelspeed = k == 0 ? kFastReels : kSlowReels;  // the buttons: 1 fast, 2 slow
    changeSettings([&](PlayerSettings& s) { s.reelspeed = static_cast<std::int16_t>(reelspeed); });
    host_.setReelSpeed(reelspeed);
    c_.speedlab->setText(QStringLiteral("Current Speed =   ") + QString::number(reelspeed));
}

void OptionsDialog::soundsClicked(int k) {
    changeSettings([&](PlayerSettings& s) { s.soundonoff = k == 1 ? PlayerRecord::kTrue : 0; });
}

void OptionsDialog::wincounterClicked(int k) {
    const bool on = k == 1;
    changeSettings([&](PlayerSettings& s) { s.winroll = on ? 1 : 0; });
    c_.wincounter[1]->setText(on ? QStringLiteral(" ON") : QString());
    c_.wincounter[2]->setText(on ? QString() : QStringLiteral(" OFF"));
}

void OptionsDialog::AmtpayoutClicked(int k) {
    changeSettings([&](PlayerSettings& s) { s.machinepay = k == 0 ? kRealistic : kLoose; });
    OptionsForm::mark(c_.AmtpayoutGroup, k);
}

// --- the ways out -------------------------------------------------------------------------

// Closing writes the record (unload()).
void OptionsDialog::okClicked() {
    close();
}

void OptionsDialog::largeScreenClicked() {
    if (needs800x600(host_.display().screenSize())) {
        host_.display().switchTo800x600();
        close();
        return;
    }
    // The box is the dialog's: it closes the dialog once read, as closing first would take the
    // box with it before the player saw it.
    messages_.inform(this, kNameTitle, QStringLiteral("Already 800 X 600 resolution !!\r"),
                     [this] { close(); });
}

void OptionsDialog::originalClicked() {
    host_.display().restore();
    close();
}

void OptionsDialog::reject() {
    close();
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void OptionsDialog::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    // The reels come back idle and a pending chance to gamble is gone.
    host_.showIdleReels();
    host_.machine().declineGamble();
    writeRecord();
    c_.player1->clear();
    hide();
    emit closed();
}

// No button is the dialog's default, so that Enter in the name entry only enters the name; a
// button the player tabbed to is pressed by Enter as by the space bar.
void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (!pressButtonForEnter(*this, *event)) {
        QDialog::keyPressEvent(event);
    }
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.player1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            nameEntered();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kestrel::ui
