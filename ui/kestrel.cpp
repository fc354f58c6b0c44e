#include "kestrel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <limits>

#include "CoinDrop.h"
#include "FreeSpinBanners.h"
#include "GamblePanel.h"
#include "Layout.h"
#include "LineFlash.h"
#include "LineOverlay.h"
#include "Money.h"
#include "ReelAnimation.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "WildGlow.h"
#include "WinCounter.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kRespinMs = 200;
constexpr int kAutospinMs = 400;
constexpr int kShowButtonsMs = 500;
}  // namespace

kestrel::kestrel(const Services& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      machine_(services.random),
      records_(services.settings),
      // Stacking follows creation: reels and cells, the drawn lines, then the cabinet's controls.
      reels_(new ReelAnimation(this, services.clock, services.art)),
      lineOverlay_(new LineOverlay(this)),
      c_(this, services.art),
      lineFlash_(new LineFlash(this, services.clock, machine_, *reels_, *lineOverlay_, c_.lin)),
      winCounter_(new WinCounter(this, services.clock, machine_, c_)),
      coinDrop_(new CoinDrop(this, services.clock, c_)),
      scatters_(new ScatterDance(this, services.clock, machine_, *reels_, services.art)),
      wild_(new WildGlow(this, services.clock, machine_, *reels_, services.art)),
      banners_(new FreeSpinBanners(this, services.clock, c_)),
      gamble_(new GamblePanel(this, machine_, services.clock, services.art,
                              [this](int resource) { playSound(resource); })),
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
    banners_->spinsLeft = [this] { return machine_.freeSpins().spinsLeft(); };
    connectControls();
    connectCreditControls();
    connectFeatureControls();
    connectGambleControls();
    connectMenuControls();
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
    connect(Timerrespin_, &ClockTimer::timeout, this, &kestrel::onRespinTick);
    for (int k = 1; k <= kPlayButtons; ++k) {
        connect(c_.play[k], &QPushButton::clicked, this, [this, k] { playClicked(k); });
        connect(c_.pplay[k], &PictureButton::mouseDown, this, [this, k] { c_.play[k]->click(); });
        connect(c_.pplay[k], &PictureButton::mouseUp, c_.pplay[k], &QWidget::show);
    }
    connect(c_.cmdexit, &PictureButton::mouseDown, this, &kestrel::shutdown);
}

void kestrel::playSound(int resource, bool loop) {
    if (machine_.player().soundsOn()) {
        services_.sound.play(resource, loop);
    }
}

void kestrel::showCredit() {
    c_.PANELBANK->setText(QString::number(machine_.player().bank));
    c_.Lblcredit->setText(QString::fromStdString(dollars(machine_.player().bank)));
}

void kestrel::showPlayerCaption() {
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
    showPlayerCaption();
    showCredit();
    reels_->showIdleReels();
    machine_.setLinesPlayed(25);
    showMarkers();
    c_.setMarkersEnabled(false);
    playSound(sound::kOpening);
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
    playSound(sound::kClick);
    // Nothing may move after the record is written: every timer stops first, then whatever is
    // still pending (a decided spin, a feature, an open gamble) is brought home.
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
    if (event->type() == QEvent::MouseMove) {
        for (int m = 1; m <= 26; ++m) {
            if (watched == c_.lin[m] && c_.lin[m]->isEnabled()) {
                onMarkerHover(m);
            }
        }
        return QWidget::eventFilter(watched, event);
    }
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
        playSound(sound::kRefused);
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
