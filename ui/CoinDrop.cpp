#include "CoinDrop.h"

#include <QLabel>
#include <algorithm>

#include "Credits.h"
#include "Durations.h"
#include "Layout.h"
#include "PictureLabel.h"

namespace kestrel::ui {

namespace {

// Two ticks a coin, the first one showing the whole coin, and a last tick that clears up.
constexpr int kTicks = 2 * kCoinsPerPress + 2;

QLabel* sprite(QWidget* window, Presentation& presentation, const QString& name, const QRect& place,
               Picture picture) {
    QLabel* label = makePictureLabel(window, presentation, name, place, picture);
    label->hide();
    return label;
}

}  // namespace

CoinDrop::CoinDrop(QWidget* window, Clock& clock, Presentation& presentation)
    : QObject(window),
      dollar1_(sprite(window, presentation, QStringLiteral("dollar1"), layout::kDollarCoin,
                      Picture::dollar1)),
      halfcoin1_(sprite(window, presentation, QStringLiteral("halfcoin1"), layout::kHalfCoin,
                        Picture::halfcoin1)),
      tmrcoins_(clock.createTimer(this, duration::kCoinTick)) {
    tmrcoins_->setObjectName(QStringLiteral("tmrcoins"));
    connect(tmrcoins_, &ClockTimer::timeout, this, &CoinDrop::onTick);
}

// The count is set so that the last of `coins` falls on the press's last coin tick: coins left
// from a press before the program stopped fall as the end of a press. A press is taken only once
// the coins of the last one are all in, but the animation runs two ticks past its last coin: a
// press in that gap starts the count afresh, or its coins would never fall.
void CoinDrop::start(int coins) {
    coinTick_ = 2 * (kCoinsPerPress - std::clamp(coins, 1, kCoinsPerPress));
    if (!tmrcoins_->isActive()) {
        tmrcoins_->start();
    }
}

void CoinDrop::stop() {
    tmrcoins_->stop();
    dollar1_->hide();
    halfcoin1_->hide();
}

void CoinDrop::onTick() {
    if (++coinTick_ >= kTicks) {
        stop();
        return;
    }
    const bool falling = coinTick_ % 2 == 0;
    dollar1_->setVisible(!falling);
    halfcoin1_->setVisible(falling);
    if (falling) {
        emit coinDue();
    }
}

}  // namespace kestrel::ui
