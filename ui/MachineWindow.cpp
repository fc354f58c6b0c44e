#include "MachineWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <limits>
#include <utility>

#include "BetMeter.h"
#include "CoinDrop.h"
#include "Durations.h"
#include "FeatureBanners.h"
#include "GamblePanel.h"
#include "LastGamesView.h"
#include "Layout.h"
#include "LineFlash.h"
#include "MoneyMeter.h"
#include "ReelAnimation.h"
#include "ReelWindow.h"
#include "ScatterDance.h"
#include "Sounds.h"
#include "StoreNotice.h"
#include "WildGlow.h"
#include "WinCounter.h"

namespace kestrel::ui {

MachineWindow::MachineWindow(const Services& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      machine_(services.random),
      records_(services.settings),
      sequence_(services.clock, this),
      presentation_(new Presentation(this, services.art)),
      // Stacking follows creation: the reel window, the meters and controls, the banners and
      // coins, then the gamble panel over the reels.
      reels_(new ReelWindow(this, *presentation_)),
      credit_(new CreditMeter(this, *presentation_)),
      bet_(new BetMeter(this, *presentation_)),
      win_(new WinMeter(this, *presentation_)),
      cabinet_(this, *presentation_),
      banners_(new FeatureBanners(this, services.clock, *presentation_)),
      coins_(new CoinDrop(this, services.clock, *presentation_)),
      gamble_(new GamblePanel(this, machine_, services.clock, sequence_, *presentation_,
                              [this](int resource) { playSound(resource); })),
      storeNotice_(new StoreNotice(this, *presentation_)),
      lastGames_(new LastGamesView(this, *presentation_, *reels_)),
      animation_(new ReelAnimation(this, services.clock, *reels_)),
      lineFlash_(new LineFlash(this, services.clock, machine_, *reels_)),
      winCounter_(new WinCounter(this, services.clock, machine_, *win_, *credit_)),
      scatters_(new ScatterDance(this, services.clock, machine_, *reels_)),
      wild_(new WildGlow(this, services.clock, machine_, *reels_)),
      tmrtick_(services.clock.createTimer(this, duration::kIdleTick)),
      Timerrespin_(services.clock.createTimer(this, duration::kRespinPoll)),
      tmrautospin_(services.clock.createTimer(this, duration::kAutospinPoll)),
      tmrshowbuttons_(services.clock.createTimer(this, duration::kPressedLook)) {
    setObjectName(QStringLiteral("kestrel"));
    setFixedSize(layout::kWindow);
    setMouseTracking(true);
    setWindowIcon(QIcon(services.art.picture(Picture::AppIcon)));
    tmrtick_->setObjectName(QStringLiteral("tmrtick"));
    Timerrespin_->setObjectName(QStringLiteral("Timerrespin"));
    tmrautospin_->setObjectName(QStringLiteral("tmrautospin"));
    tmrshowbuttons_->setObjectName(QStringLiteral("tmrshowbuttons"));
    connectControls();
    connectSpinControls();
    connectCreditControls();
    connectFeatureControls();
    connectGambleControls();
    connectMenuControls();
    // The window sees every key first, whichever of its controls has the focus.
    qApp->installEventFilter(this);
    tmrshowbuttons_->start();
    applyControls();
}

MachineWindow::~MachineWindow() {
    qApp->removeEventFilter(this);
}

const LineOverlay& MachineWindow::lineOverlay() const {
    return reels_->overlay();
}

void MachineWindow::connectControls() {
    connect(tmrtick_, &ClockTimer::timeout, this, &MachineWindow::onIdleTick);
    connect(tmrshowbuttons_, &ClockTimer::timeout, this, [this] { cabinet_.endPressedLooks(); });
    connect(cabinet_.cmdexit, &PictureButton::mouseDown, this, &MachineWindow::shutdown);
}

// --- the cabinet's state --------------------------------------------------------------------

ControlStates MachineWindow::controls() const {
    CabinetSituation situation;
    situation.mode = mode_.current();
    situation.underneath = mode_.underneath();
    situation.autoplay = autoplay_.isOn();
    situation.freeSpin = machine_.spinIsFree();
    situation.gambleOffered = mayOfferGamble(machine_, autoplay_);
    situation.coinsDropping = machine_.coinsPending() > 0;
    return controlStates(situation);
}

void MachineWindow::applyControls() {
    const ControlStates states = controls();
    cabinet_.apply(states);
    reels_->setMarkersEnabled(states.markers);
    setEnabled(states.window);
}

bool MachineWindow::enterMode(Mode next) {
    if (!mode_.enter(next)) {
        return false;
    }
    applyControls();
    tellHeldNotice();
    return true;
}

// A notice held while no box could open is told once the cabinet's mode allows one: on entering
// a mode, or on closing the view or box over it.
void MachineWindow::tellHeldNotice() {
    if (!heldNotice_.isEmpty() && CabinetMode::allows(mode_.current(), Mode::Dialog)) {
        tellCreditIsFull(std::exchange(heldNotice_, QString()));
    }
}

void MachineWindow::playSound(int resource, bool loop) {
    if (machine_.player().soundsOn()) {
        services_.sound.play(resource, loop);
    }
}

void MachineWindow::showPlayerCaption() {
    setWindowTitle(QStringLiteral("Current Player       ") +
                   QString::fromStdString(machine_.player().currentplayer));
}

void MachineWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    presentation_->paintBackground(painter, event->rect());
}

void MachineWindow::setScale(qreal scale, qreal ratio) {
    if (scale == presentation_->scale() && ratio == presentation_->ratio()) {
        return;  // a resize at the same scale: nothing to lay out or paint again
    }
    if (isShutDown()) {
        // The exit gives the screen back (leaving full screen) just before the window closes:
        // laying the machine out again would only decode pictures no one will see.
        return;
    }
    presentation_->setScale(scale, ratio);
    setFixedSize(presentation_->size(layout::kWindow));
}

// Whatever the last result still shows on the reels and in the meters gives way.
void MachineWindow::stopPresentations() {
    stopReelPresentations();
    winCounter_->finish();
}

// The line flash, the scatter dance and the wild's glow stop and give the reels back.
void MachineWindow::stopReelPresentations() {
    lineFlash_->stop();
    scatters_->stop();
    wild_->stop();
}

// --- start-up and shutdown ------------------------------------------------------------------

void MachineWindow::load() {
    if (needs800x600(services_.display.screenSize())) {
        services_.display.switchTo800x600();
    }
    // Every start is at 25 lines and one credit a line, unless a game was left in progress.
    const TakenUp taken = takeUp(machine_, records_.loadAtStartUp(machine_.player()), kLines, 1);
    showPlayerCaption();
    credit_->show(machine_.player().bank);
    reels_->showIdle();
    reels_->showLinesPlayed(machine_.linesPlayed());
    playSound(sound::kOpening);
    animation_->setSpeed(machine_.player().reelspeed);
    applyControls();
    showStoreProblem();
    showTakenUp(taken);
}

void MachineWindow::shutdown() {
    if (!mode_.enter(Mode::Closed)) {
        return;
    }
    playSound(sound::kClick);
    // Nothing may move after the record is written: every step and timer stops first, then
    // whatever is still pending (a decided spin, a feature, an open gamble, coins) is brought
    // home.
    sequence_.cancel();
    for (ClockTimer* timer : findChildren<ClockTimer*>()) {
        timer->stop();
    }
    machine_.settleForExit();
    saveGame();
    // Before the last steps and after them, as the exit always has; the second finds nothing to
    // do unless the display was switched in between.
    services_.display.restore();
    services_.display.restore();
    applyControls();
    emit finished();
    close();
}

void MachineWindow::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

// --- keys and idle time ---------------------------------------------------------------------

bool MachineWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride &&
        type != QEvent::KeyRelease) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return QWidget::eventFilter(watched, event);
    }
    if (type == QEvent::KeyRelease) {
        const auto* release = static_cast<QKeyEvent*>(event);
        releasedKey_ = release->key();
        releasedAt_ = release->timestamp();
        return QWidget::eventFilter(watched, event);
    }
    if (type == QEvent::KeyPress) {
        keyPressed(*static_cast<QKeyEvent*>(event));
    }
    return true;  // no control of the window acts on a key by itself
}

// The space bar repeats the bet; no other key plays. F11 switches the full-screen presentation
// on and off, Escape leaves it, Ctrl+Q ends the program as the exit picture does: none of them
// touches the game. On the last games the arrow keys turn the pages.
void MachineWindow::keyPressed(const QKeyEvent& event) {
    DisplayMode& display = services_.display;
    if (isHeldKey(event) && event.key() != Qt::Key_Left && event.key() != Qt::Key_Right) {
        // A held key acts once. A held space bar would otherwise stop every spin it starts and
        // start the next over the win sound; a held F11 would switch back and forth.
        return;
    }
    if (event.matches(QKeySequence::Quit) ||
        (event.key() == Qt::Key_Q && event.modifiers() == Qt::ControlModifier)) {
        shutdown();
    } else if (event.key() == Qt::Key_F11) {
        if (display.presentingFullScreen()) {
            display.restore();
        } else {
            display.switchTo800x600();
        }
    } else if (event.key() == Qt::Key_Escape) {
        if (display.presentingFullScreen()) {
            display.restore();
        }
    } else if (mode_.is(Mode::LastGames) && event.key() == Qt::Key_Left) {
        lastGames_->previous();
    } else if (mode_.is(Mode::LastGames) && event.key() == Qt::Key_Right) {
        lastGames_->next();
    } else if (event.key() == Qt::Key_Space && controls().keys) {
        if (const int k = playButtonOfBet(machine_.betPerLine()); k != 0) {
            onPlayButton(k);
        }
    }
}

// A held key repeats as a release and a press at the same instant. The toolkit says so when it
// finds both together; when the window is busy and the press comes later (X11 under load) it
// reports a fresh press, which would start a spin after every spin the key is held through.
bool MachineWindow::isHeldKey(const QKeyEvent& press) const {
    return press.isAutoRepeat() || (press.timestamp() != 0 && press.key() == releasedKey_ &&
                                    press.timestamp() == releasedAt_);
}

void MachineWindow::onIdleTick() {
    if (idleTicks_ < std::numeric_limits<int>::max()) {
        ++idleTicks_;
    }
}

}  // namespace kestrel::ui
