#include "FeatureBanners.h"

#include <QLabel>

#include "Durations.h"
#include "Layout.h"
#include "MeterLabel.h"

namespace kestrel::ui {

namespace {

constexpr int kSlideStartTwips = -7000;
constexpr int kBlinkPeriodTicks = 4;  // two ticks hidden, two shown

QLabel* banner(QWidget* window, const QString& name, const QRect& place, const QPixmap& picture) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setPixmap(picture);
    label->setScaledContents(true);
    return label;
}

}  // namespace

FeatureBanners::FeatureBanners(QWidget* window, Clock& clock, const ArtBook& art)
    : QObject(window),
      panfreespin_(banner(window, QStringLiteral("panfreespin"), layout::kInfoPlate,
                          art.picture(Picture::panfreespin))),
      ctlfrees1_(banner(window, QStringLiteral("ctlfrees1"), layout::kFreeSpinsWon,
                        art.picture(Picture::ctlfrees1))),
      ctrlfreesleft1_(banner(window, QStringLiteral("ctrlfreesleft1"), layout::kFreeSpinsLeft,
                             art.picture(Picture::ctrlfreesleft1))),
      freespinscompleted1_(banner(window, QStringLiteral("freespinscompleted1"),
                                  layout::kFreeSpinsCompleted,
                                  art.picture(Picture::freespinscompleted1))),
      spinsleft_(makeMeterLabel(window, QStringLiteral("spinsleft"), layout::kSpinsLeftCount, 30,
                                Qt::AlignHCenter)),
      slide_(clock.createTimer(this, duration::kBannerSlideStep)),
      tmrfrees_(clock.createTimer(this, duration::kBannerBlinkTick)) {
    tmrfrees_->setObjectName(QStringLiteral("tmrfrees"));
    for (QLabel* hidden : {ctlfrees1_, ctrlfreesleft1_, freespinscompleted1_, spinsleft_}) {
        hidden->hide();
    }
    connect(slide_, &ClockTimer::timeout, this, &FeatureBanners::onSlideStep);
    connect(tmrfrees_, &ClockTimer::timeout, this, &FeatureBanners::onBlinkTick);
}

void FeatureBanners::announce(int spinsLeft) {
    plate_ = false;
    spinsLeftAfterBlink_ = spinsLeft;
    panfreespin_->hide();
    ctrlfreesleft1_->hide();
    spinsleft_->hide();
    freespinscompleted1_->hide();
    slideStep_ = 0;
    ctlfrees1_->move(layout::twips(kSlideStartTwips), layout::kFreeSpinsWon.y());
    ctlfrees1_->show();
    slide_->start();
}

void FeatureBanners::onSlideStep() {
    const int from = layout::twips(kSlideStartTwips);
    const QRect home = layout::kFreeSpinsWon;
    ++slideStep_;
    ctlfrees1_->move(from + (home.x() - from) * slideStep_ / duration::kBannerSlideSteps, home.y());
    if (slideStep_ >= duration::kBannerSlideSteps) {
        slide_->stop();
        bannerTick_ = 0;
        tmrfrees_->start();
    }
}

void FeatureBanners::onBlinkTick() {
    ++bannerTick_;
    if (bannerTick_ >= duration::kBannerBlinkTicks) {
        tmrfrees_->stop();
        ctlfrees1_->hide();
        showSpinsLeft(spinsLeftAfterBlink_);
        return;
    }
    ctlfrees1_->setVisible(bannerTick_ % kBlinkPeriodTicks >= 2);
}

void FeatureBanners::showSpinsLeft(int spinsLeft) {
    plate_ = false;
    panfreespin_->hide();
    ctrlfreesleft1_->show();
    spinsleft_->show();
    spinsleft_->setText(QString::number(spinsLeft));
}

void FeatureBanners::showCompleted() {
    stop();
    plate_ = false;
    panfreespin_->hide();
    ctlfrees1_->hide();
    ctrlfreesleft1_->hide();
    spinsleft_->hide();
    freespinscompleted1_->show();
}

void FeatureBanners::showPlate() {
    stop();
    plate_ = true;
    for (QLabel* banner : {ctlfrees1_, ctrlfreesleft1_, freespinscompleted1_, spinsleft_}) {
        banner->hide();
    }
    panfreespin_->show();
}

void FeatureBanners::setStripShown(bool shown) {
    panfreespin_->setVisible(shown && plate_);
}

void FeatureBanners::stop() {
    slide_->stop();
    tmrfrees_->stop();
    ctlfrees1_->move(layout::kFreeSpinsWon.topLeft());
}

}  // namespace kestrel::ui
