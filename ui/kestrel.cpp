#include "kestrel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "Bets.h"
#include "Layout.h"
#include "Money.h"
#include "PlayerRecordStore.h"
#include "ReelAnimation.h"
#include "WinSound.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kRespinMs = 200;
constexpr int kAutospinMs = 400;
constexpr int kShowButtonsMs = 500;
constexpr int kLosingSpinPauseMs = 100;

constexpr int kSoundSpin = 101;
constexpr int kSoundRefused = 103;
constexpr int kSoundReelStop = 104;
constexpr int kSoundOpening = 105;
constexpr int kSoundClick = 128;

QString number(std::int64_t value) { return QString::number(value); }
QString inDollars(std::int64_t credits) { return QString::fromStdString(dollars(credits)); }
}  // namespace

kestrel::kestrel(const Services& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      machine_(services.random),
      records_(services.settings),
      reels_(new ReelAnimation(this, services.clock, services.art)),
      c_(this, services.art),
      tmrtick_(services.clock.createTimer(this, kTickMs)),
      Timerrespin_(services.clock.createTimer(this, kRespinMs)),
      tmrautospin_(services.clock.createTimer(this, kAutospinMs)),
      tmrshowbuttons_(services.clock.createTimer(this, kShowButtonsMs)) {
    setObjectName(QStringLiteral("kestrel"));
    setFixedSize(layout::kWindow);
    setMouseTracking(true);
    setWindowIcon(QIcon(services.art.picture(Picture::AppIcon)));
    tmrtick_->setObjectName(QStringLiteral("tmrtick"));
    Timerrespin_->setObjectName(QStringLiteral("Timerrespin"));
    tmrautospin_->setObjectName(QStringLiteral("tmrautospin"));
    tmrshowbuttons_->setObjectName(QStringLiteral("tmrshowbuttons"));
    connectControls();
    // The window sees every key first, whichever of its controls has the focus.
    qApp->installEventFilter(this);
    tmrshowbuttons_->start();
}

kestrel::~kestrel() { qApp->removeEventFilter(this); }

void kestrel::connectControls() {
    connect(reels_, &ReelAnimation::reelStopped, this, &kestrel::onReelStopped);
    connect(reels_, &ReelAnimation::spinEnded, this, &kestrel::endOfSpin);
    connect(tmrtick_, &ClockTimer::timeout, this, &kestrel::onTick);
    connect(tmrshowbuttons_, &ClockTimer::timeout, this, &kestrel::onShowButtons);
    for (int k = 1; k <= kPlayButtons; ++k) {
        connect(c_.play[k], &QPushButton::clicked, this, [this, k] { playClicked(k); });
        connect(c_.pplay[k], &PictureButton::mouseDown, this, [this, k] { c_.play[k]->click(); });
        connect(c_.pplay[k], &PictureButton::mouseUp, c_.pplay[k], &QWidget::show);
    }
    connect(c_.cmdexit, &PictureButton::mouseDown, this, &kestrel::shutdown);
    connect(c_.xit, &QPushButton::clicked, this, &kestrel::shutdown);
}

void kestrel::playSound(int resource, bool loop) {
    if (machine_.player().soundsOn()) {
        services_.sound.play(resource, loop);
    }
}

void kestrel::showCredit() {
    c_.PANELBANK->setText(number(machine_.player().bank));
    c_.Lblcredit->setText(inDollars(machine_.player().bank));
}

void kestrel::setCaption() {
    setWindowTitle(QStringLiteral("Current Player       ") +
                   QString::fromStdString(machine_.player().currentplayer));
}

void kestrel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, services_.art.picture(Picture::Background));
}

// --- start-up and shutdown ---------------------------------------------------------------

void kestrel::load() {
    const QSize screen = services_.display.screenSize();
    if (screen.width() != layout::kWindow.width() && screen.height() != layout::kWindow.height()) {
        services_.display.switchTo800x600();
        move(0, 0);
    }
    machine_.switchPlayer(records_.loadFirstSlot(machine_.player()));
    setCaption();
    showCredit();
    reels_->showIdleReels();
    machine_.setLinesPlayed(25);
    for (int m = 1; m <= kLines; ++m) {
        c_.lin[m]->setPixmap(services_.art.picture(PictureList::linepics, m));
        c_.lin[m]->setEnabled(false);
    }
    c_.lin[26]->setPixmap(services_.art.picture(PictureList::linepics, 1));
    playSound(kSoundOpening);
    reels_->setSpeed(machine_.player().reelspeed);
}

void kestrel::writeRecord() {
    (void)records_.write(machine_.player());  // a failed write is reported by the store
}

void kestrel::shutdown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    playSound(kSoundClick);
    // Nothing may move after the record is written: every timer stops first.
    for (ClockTimer* timer : findChildren<ClockTimer*>()) {
        timer->stop();
    }
    machine_.settleForExit();
    writeRecord();
    services_.display.restore();
    services_.clock.yield();
    services_.display.restore();
    emit finished();
    close();
}

void kestrel::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

// --- keys and the mouse -------------------------------------------------------------------

bool kestrel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress && keysEnabled_ && isEnabled()) {
        keyPressed(static_cast<QKeyEvent*>(event)->key());
    }
    return true;  // no control of the window acts on a key by itself
}

void kestrel::keyPressed(int key) {
    if (machine_.freeSpinsActive()) {
        return;
    }
    if (machine_.totalBet() > machine_.player().bank) {
        playSound(kSoundRefused);
        c_.pannomoney->show();
        return;
    }
    c_.autoplayon->setEnabled(false);
    if (++keyGuard_ > 1) {
        return;  // a second press while the first one's spin is being started
    }
    if (key == Qt::Key_Space) {
        pressPlayOfBet();  // the guard is cleared when that spin has been decided
    } else {
        keyGuard_ = 0;
    }
    c_.autoplayon->setEnabled(true);
}

void kestrel::mouseMoveEvent(QMouseEvent* event) {
    c_.menupic->hide();
    QWidget::mouseMoveEvent(event);
}

// --- one game -----------------------------------------------------------------------------

void kestrel::pressPlay(int k) {
    services_.clock.defer(this, [this, k] { playClicked(k); });
}

void kestrel::pressPlayOfBet() {
    const int k = playButtonOfBet(machine_.betPerLine());
    if (k != 0) {
        pressPlay(k);
    }
}

void kestrel::playClicked(int k) {
    if (shutDown_) {
        return;
    }
    c_.pplay[k]->hide();
    if (machine_.phase() == Machine::Phase::Spinning) {
        // A press while the reels still turn stops them where the outcome has them; the spin
        // then settles as usual.
        reels_->stopNow();
        return;
    }
    services_.clock.yield();
    keysEnabled_ = false;
    c_.autoplayon->setEnabled(false);

    const bool freeSpin = machine_.freeSpinsActive();
    if (!freeSpin) {
        playSound(kSoundSpin);
        idleTicks_ = 0;
        reels_->abandon();
        tmrautospin_->stop();
    }
    const PlayResult result = machine_.play(k);
    if (result == PlayResult::Refused) {
        refuse();
        return;
    }
    if (result == PlayResult::Busy) {
        keyGuard_ = 0;
        return;
    }
    c_.coinsin->setEnabled(false);
    if (!freeSpin) {
        c_.LABWIN->setText(QStringLiteral("Good Luck"));
        c_.lblwin->setText(QStringLiteral(" "));
        c_.lbllast->setText(number(machine_.totalBet()));
        showCredit();
    }
    resetForSpin();
    showCredit();
    reels_->start(machine_.records());
    keyGuard_ = 0;

    services_.clock.yield();
    c_.autoplayon->setEnabled(true);
    c_.setMarkersEnabled(false);
    if (autoplayState_ == 0 && !freeSpin) {
        c_.setPlayButtonsEnabled(true);
        c_.setLineButtonsEnabled(true);
        c_.coinsin->setEnabled(true);
        c_.notes->setEnabled(true);
    }
    if (autoplayState_ >= 1 && !freeSpin && machine_.spinWin() < 1) {
        // Autoplay goes straight on after a losing spin: the spin is settled (it pays nothing)
        // and the same bet is pressed again.
        reels_->abandon();
        machine_.settle();
        pressPlayOfBet();
    }
}

void kestrel::resetForSpin() {
    c_.doublebutton->setEnabled(false);
    c_.pannomoney->hide();
    Timerrespin_->stop();
    for (int m = 1; m <= 26; ++m) {
        c_.lin[m]->show();
    }
    services_.clock.yield();
    reels_->hideCells();
    services_.clock.yield();
    services_.clock.yield();
}

void kestrel::refuse() {
    keyGuard_ = 0;
    playSound(kSoundRefused);
    c_.pannomoney->show();
    c_.coinsin->setEnabled(true);
    c_.notes->setEnabled(true);
    c_.setPlayButtonsEnabled(true);
    c_.setLineButtonsEnabled(true);
    autoplayState_ = 0;
    c_.autoplayon->setEnabled(true);
}

void kestrel::onReelStopped(int) {
    if (!machine_.spinIsFree()) {
        playSound(kSoundReelStop);
    }
}

void kestrel::endOfSpin() {
    tmrtick_->start();
    const bool freeSpin = machine_.spinIsFree();
    const std::int32_t spinWin = machine_.spinWin();
    if (!freeSpin) {
        if (autoplayState_ == 10) {
            tmrautospin_->start();
        }
        if (spinWin > 0) {
            playSound(winSound(spinWin));
        }
        autoplayDelay_ = spinWin < 1 ? 15 : 25;
        services_.clock.yield();
    }
    if (spinWin < 1) {
        idleTicks_ = 5;
        services_.clock.pause(kLosingSpinPauseMs);
        services_.clock.yield();
    }
    const Settlement settled = machine_.settle();
    if (freeSpin || settled.triggered) {
        idleTicks_ = 0;
        return;
    }
    if (spinWin < 1) {
        c_.LABWIN->setText(QStringLiteral("No Win"));
        c_.lblwin->setText(QString());
    } else {
        c_.LABWIN->setText(number(spinWin));
        c_.lblwin->setText(inDollars(spinWin));
        showCredit();
    }
    if (spinWin > 0 && autoplayState_ == 0 && machine_.canGamble()) {
        c_.doublebutton->setEnabled(true);
    }
    keysEnabled_ = true;
    idleTicks_ = 0;
}

// --- idle timers --------------------------------------------------------------------------

void kestrel::onTick() {
    if (idleTicks_ < std::numeric_limits<std::int16_t>::max()) {
        ++idleTicks_;
    }
}

void kestrel::onShowButtons() {
    c_.btnoptions->show();
    c_.autoplayon->show();
    c_.doublebutton->show();
    c_.notes->show();
    for (int k = 1; k <= kPlayButtons; ++k) {
        c_.pplay[k]->show();
    }
}

}  // namespace kestrel::ui
