#include "frmkestreloptions.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>

#include "Layout.h"
#include "PlayerName.h"

namespace kestrel::ui {

namespace {
const QString kNameTitle = QStringLiteral("Slot_kestrel");
const QString kDeleteTitle = QStringLiteral("Slots_kestrel");
constexpr std::int16_t kRealistic = 7;
constexpr std::int16_t kLoose = 4;

// A radio button's caption shows '&' only when doubled.
QString asCaption(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}
}  // namespace

frmkestreloptions::frmkestreloptions(OptionsHost& host, Clock& clock, Messages& messages,
                                     QWidget* parent)
    : QDialog(parent), host_(host), clock_(clock), messages_(messages), c_(this) {
    setObjectName(QStringLiteral("frmkestreloptions"));
    setWindowTitle(QStringLiteral("Kestrel Options"));
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);
    c_.player1->installEventFilter(this);
    connectControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmkestreloptions::connectControls() {
    connect(c_.machineGroup, &QButtonGroup::idClicked, this, &frmkestreloptions::machineClicked);
    connect(c_.setspeedGroup, &QButtonGroup::idClicked, this, &frmkestreloptions::setspeedClicked);
    connect(c_.soundsGroup, &QButtonGroup::idClicked, this, &frmkestreloptions::soundsClicked);
    connect(c_.wincounterGroup, &QButtonGroup::idClicked, this,
            &frmkestreloptions::wincounterClicked);
    connect(c_.AmtpayoutGroup, &QButtonGroup::idClicked, this,
            &frmkestreloptions::AmtpayoutClicked);
    connect(c_.Btndeletedetails, &QPushButton::clicked, this, &frmkestreloptions::deleteClicked);
    connect(c_.btnokplayer, &QPushButton::clicked, this, &frmkestreloptions::okClicked);
    connect(c_.cmdlargescreen, &QPushButton::clicked, this, &frmkestreloptions::largeScreenClicked);
    connect(c_.cmdorigonal, &QPushButton::clicked, this, &frmkestreloptions::originalClicked);
}

// --- helpers ------------------------------------------------------------------------------

int frmkestreloptions::activeSlot() const {
    const QString& number = host_.records().playernumber();
    for (int n = 1; n <= PlayerRecordStore::kSlots; ++n) {
        if (number == QString::number(n)) {
            return n;
        }
    }
    return 0;
}

// A slot may change hands only while nothing is owed to the player in it: no spin decided but
// unsettled, no open gamble, no free-spin feature running or waiting to be taken.
bool frmkestreloptions::machineSettled() const {
    const Machine& machine = host_.machine();
    return machine.phase() == Machine::Phase::Idle &&
           machine.freeSpins().state() == FreeSpins::State::None;
}

QString frmkestreloptions::nameInCapitals() const {
    return QString::fromStdString(host_.machine().player().currentplayer).toUpper();
}

void frmkestreloptions::writeRecord() {
    (void)host_.records().write(player());  // a failed write is reported by the store
}

void frmkestreloptions::showSlotName(int n) {
    if (n < 1 || n > PlayerRecordStore::kSlots) {
        return;
    }
    const QString name = n == activeSlot() ? QString::fromStdString(player().currentplayer)
                                           : host_.records().slotName(n);
    c_.machine[n]->setText(name.isEmpty() ? QStringLiteral("Vacant") : asCaption(name.toUpper()));
}

void frmkestreloptions::markOptions() {
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
    const bool speedChosen = p.reelspeed == 1 || p.reelspeed == 2;
    OptionsForm::mark(c_.setspeedGroup, speedChosen ? p.reelspeed - 1 : -1);
    c_.speedlab->setText(speedChosen
                             ? QStringLiteral("Current Speed =   ") + QString::number(p.reelspeed)
                             : QString());
    OptionsForm::mark(c_.AmtpayoutGroup,
                      p.machinepay == kRealistic ? 0 : (p.machinepay == kLoose ? 1 : -1));
    OptionsForm::mark(c_.soundsGroup,
                      p.soundonoff == PlayerRecord::kTrue ? 1 : (p.soundonoff == 0 ? 2 : -1));
}

void frmkestreloptions::fillStatistics(StatisticsMoment moment) {
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

void frmkestreloptions::showPlayerOnWindow() {
    host_.showCredit();
    host_.setCaption(QStringLiteral("Current Player       ") + nameInCapitals());
}

void frmkestreloptions::turnUnsetSpeedIntoFast() {
    if (player().reelspeed == 0) {
        changeSettings([](PlayerSettings& s) { s.reelspeed = 1; });
        host_.setReelSpeed(1);
    }
}

// --- opening ------------------------------------------------------------------------------

void frmkestreloptions::load() {
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

void frmkestreloptions::machineClicked(int n) {
    if (!machineSettled()) {
        OptionsForm::mark(c_.machineGroup, activeSlot());
        return;
    }
    // The slot being left keeps what happened in it since the dialog opened.
    writeRecord();
    host_.machine().switchPlayer(host_.records().switchTo(n, player()));
    host_.setReelSpeed(player().reelspeed);
    clock_.yield();
    showPlayerOnWindow();
    showSlotName(n);
    fillStatistics(StatisticsMoment::SlotPicked);
    markOptions();
    clock_.yield();
}

void frmkestreloptions::nameEntered() {
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

void frmkestreloptions::deleteClicked() {
    if (!machineSettled()) {
        return;
    }
    const bool yes = messages_.confirm(
        this, kDeleteTitle,
        QStringLiteral("Are you sure you want to Delete Current Player's Details ?"));
    // The question's own event loop may have let the machine move on; then nothing is cleared.
    if (yes && machineSettled()) {
        host_.hideCells();
        host_.showIdleReels();
        host_.machine().clearStatistics();
        writeRecord();
        fillStatistics(StatisticsMoment::Deleted);
        host_.blankCredit();
    }
    close();
}

// --- settings -----------------------------------------------------------------------------

void frmkestreloptions::setspeedClicked(int k) {
    const int reelspeed = k + 1;
    changeSettings([&](PlayerSettings& s) { s.reelspeed = static_cast<std::int16_t>(reelspeed); });
    host_.setReelSpeed(reelspeed);
    c_.speedlab->setText(QStringLiteral("Current Speed =   ") + QString::number(reelspeed));
}

void frmkestreloptions::soundsClicked(int k) {
    changeSettings([&](PlayerSettings& s) { s.soundonoff = k == 1 ? PlayerRecord::kTrue : 0; });
}

void frmkestreloptions::wincounterClicked(int k) {
    const bool on = k == 1;
    changeSettings([&](PlayerSettings& s) { s.winroll = on ? 1 : 0; });
    c_.wincounter[1]->setText(on ? QStringLiteral(" ON") : QString());
    c_.wincounter[2]->setText(on ? QString() : QStringLiteral(" OFF"));
}

void frmkestreloptions::AmtpayoutClicked(int k) {
    changeSettings([&](PlayerSettings& s) { s.machinepay = k == 0 ? kRealistic : kLoose; });
    OptionsForm::mark(c_.AmtpayoutGroup, k);
}

// --- the ways out -------------------------------------------------------------------------

void frmkestreloptions::okClicked() {
    writeRecord();
    c_.player1->clear();
    close();
    host_.restoreWindow();
    host_.showIdleReels();
    turnUnsetSpeedIntoFast();
}

void frmkestreloptions::largeScreenClicked() {
    const QSize screen = host_.display().screenSize();
    if (screen.width() != layout::kWindow.width() && screen.height() != layout::kWindow.height()) {
        host_.display().switchTo800x600();
        host_.moveToCorner();
    } else {
        messages_.inform(this, kNameTitle, QStringLiteral("Already 800 X 600 resolution !!\r"));
    }
    close();
    host_.restoreWindow();
    host_.showIdleReels();
}

void frmkestreloptions::originalClicked() {
    host_.display().restore();
    host_.moveToCorner();
    close();
}

void frmkestreloptions::reject() {
    close();
}

void frmkestreloptions::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void frmkestreloptions::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    host_.restoreWindow();
    host_.hideCells();
    clock_.yield();
    host_.disableGamble();
    turnUnsetSpeedIntoFast();
    writeRecord();
    c_.player1->clear();
    // Whatever the pending events showed again is hidden once more.
    host_.hideCells();
    hide();
    emit closed();
}

bool frmkestreloptions::eventFilter(QObject* watched, QEvent* event) {
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
