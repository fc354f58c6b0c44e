#include "FreeSpinBanners.h"

#include "Layout.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 100;
constexpr int kBlinkTicks = 20;
constexpr int kSlideStartTwips = -7000;
constexpr int kSlideSteps = 16;
constexpr int kSlideStepMs = 20;
}  // namespace

FreeSpinBanners::FreeSpinBanners(QObject* parent, Clock& clock, Cabinet& cabinet)
    : QObject(parent), clock_(clock), c_(cabinet), tmrfrees_(clock.createTimer(this, kTickMs)) {
    tmrfrees_->setObjectName(QStringLiteral("tmrfrees"));
    connect(tmrfrees_, &ClockTimer::timeout, this, &FreeSpinBanners::onTick);
}

void FreeSpinBanners::slideIn() {
    const QRect home = layout::kFreeSpinsWon;
    const int from = layout::twips(kSlideStartTwips);
    c_.ctlfrees1->move(from, home.y());
    c_.ctlfrees1->show();
    for (int step = 1; step <= kSlideSteps; ++step) {
        c_.ctlfrees1->move(from + (home.x() - from) * step / kSlideSteps, home.y());
        clock_.pause(kSlideStepMs);
    }
}

void FreeSpinBanners::startBlink() { tmrfrees_->start(); }

void FreeSpinBanners::onTick() {
    ++bannerTick_;
    if (++bannerPhase_ == 4) {
        bannerPhase_ = 0;
    }
    if (bannerTick_ >= kBlinkTicks) {
        tmrfrees_->stop();
        c_.ctlfrees1->hide();
        bannerTick_ = 0;
        bannerPhase_ = 0;
        c_.ctrlfreesleft1->show();
        c_.spinsleft->show();
        c_.spinsleft->setText(QString::number(spinsLeft ? spinsLeft() : 0));
    }
    c_.ctlfrees1->setVisible(bannerPhase_ >= 2);
}

}  // namespace kestrel::ui
