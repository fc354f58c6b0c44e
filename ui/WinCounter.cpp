#include "WinCounter.h"

#include "Money.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 50;

QString inDollars(std::int64_t credits) { return QString::fromStdString(dollars(credits)); }
}  // namespace

int rollStepFor(std::int64_t rollCount) {
    struct Band {
        std::int64_t upTo;
        int step;
    };
    constexpr Band kBands[] = {{0, 0},     {100, 1},   {120, 14},  {150, 20},
                               {200, 30},  {300, 40},  {450, 60},  {600, 80},
                               {700, 100}, {1000, 150}, {1500, 200}};
    for (const Band& band : kBands) {
        if (rollCount <= band.upTo) {
            return band.step;
        }
    }
    return 500;
}

WinCounter::WinCounter(QObject* parent, Clock& clock, const Machine& machine, Cabinet& cabinet)
    : QObject(parent),
      clock_(clock),
      machine_(machine),
      c_(cabinet),
      Timerwincounter_(clock.createTimer(this, kTickMs)) {
    Timerwincounter_->setObjectName(QStringLiteral("Timerwincounter"));
    connect(Timerwincounter_, &ClockTimer::timeout, this, &WinCounter::onTick);
}

void WinCounter::onTick() {
    if (machine_.freeSpinsActive()) {
        tickFreeSpin();
    } else {
        tickNormal();
    }
}

void WinCounter::tickNormal() {
    clock_.yield();
    const std::int32_t spinWin = machine_.spinWin();
    if (!roll_.tick(spinWin, machine_.player().winroll != 0)) {
        c_.LABWIN->setText(QString::number(roll_.count));
        c_.lblwin->setText(inDollars(roll_.count));
        return;
    }
    showWhole();
}

void WinCounter::finish() {
    if (Timerwincounter_->isActive() && !machine_.freeSpinsActive()) {
        showWhole();
    }
}

void WinCounter::showWhole() {
    const std::int32_t spinWin = machine_.spinWin();
    c_.LABWIN->setText(QString::number(spinWin));
    c_.lblwin->setText(inDollars(spinWin));
    c_.PANELBANK->setText(QString::number(machine_.player().bank));
    c_.Lblcredit->setText(inDollars(machine_.player().bank));
    Timerwincounter_->stop();
    roll_.count = 0;
}

void WinCounter::tickFreeSpin() {
    c_.LABWIN->setText(QString::number(machine_.featureWin()));
    c_.lblwin->setText(inDollars(machine_.featureWin()));
    Timerwincounter_->stop();
    c_.Lblcurrentwin->setText(QString::number(machine_.spinWin()));
    roll_ = RollUp{};
    c_.takewin->setEnabled(false);
    clock_.yield();
    emit freeSpinShown();
}

}  // namespace kestrel::ui
