#include "CoinDrop.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kTicks = 30;  // the 30th tick ends the animation
}  // namespace

CoinDrop::CoinDrop(QObject* parent, Clock& clock, Cabinet& cabinet)
    : QObject(parent), c_(cabinet), tmrcoins_(clock.createTimer(this, kTickMs)) {
    tmrcoins_->setObjectName(QStringLiteral("tmrcoins"));
    connect(tmrcoins_, &ClockTimer::timeout, this, &CoinDrop::onTick);
}

void CoinDrop::onTick() {
    emit tick();
    if (++coinTick_ < kTicks) {
        if (++coinPhase_ == 3) {
            coinPhase_ = 1;
        }
        c_.dollar1->setVisible(coinPhase_ == 1);
        c_.halfcoin1->setVisible(coinPhase_ == 2);
        if (coinPhase_ == 2) {
            emit coinDropped();
        }
        return;
    }
    tmrcoins_->stop();
    coinTick_ = 0;
    coinPhase_ = 0;
    c_.dollar1->hide();
    c_.halfcoin1->hide();
}

}  // namespace kestrel::ui
