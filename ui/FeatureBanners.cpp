#include "FeatureBanners.h"

#include <QFontMetrics>
#include <QLabel>

#include "Durations.h"
#include "Layout.h"
#include "MeterLabel.h"
#include "PictureLabel.h"

namespace kestrel::ui {

namespace {

constexpr int kSlideStartTwips = -7000;
constexpr int kBlinkPeriodTicks = 4;  // two ticks hidden, two shown
constexpr int kSpinsLeftPx = 30;      // the count's type while two digits fit its window

// The count's type: full size, or as much smaller as a count of three digits or more needs.
QFont spinsLeftFont(const QString& count) {
    int px = kSpinsLeftPx;
    while (px > 1 &&
           QFontMetrics(meterFont(px)).horizontalAdvance(count) > layout::kSpinsLeftCount.width()) {
        --px;
    }
    return meterFont(px);
}

}  // namespace

FeatureBanners::FeatureBanners(QWidget* window, Clock& clock, Presentation& presentation)
    : QObject(window),
      presentation_(presentation),
      panfreespin_(makePictureLabel(window, presentation, QStringLiteral("panfreespin"),
                                    layout::kInfoPlate, Picture::panfreespin)),
      ctlfrees1_(makePictureLabel(window, presentation, QStringLiteral("ctlfrees1"),
                                  layout::kFreeSpinsWon, Picture::ctlfrees1)),
      ctrlfreesleft1_(makePictureLabel(window, presentation, QStringLiteral("ctrlfreesleft1"),
                                       layout::kFreeSpinsLeft, Picture::ctrlfreesleft1)),
      freespinscompleted1_(
          makePictureLabel(window, presentation, QStringLiteral("freespinscompleted1"),
                           layout::kFreeSpinsCompleted, Picture::freespinscompleted1)),
      spinsleft_(makeMeterLabel(window, presentation, QStringLiteral("spinsleft"),
                                layout::kSpinsLeftCount, kSpinsLeftPx, Qt::AlignHCenter)),
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
    strip_ = Strip::Announcement;
    setStripShown(true);
    spinsLeftAfterBlink_ = spinsLeft;
    slideStep_ = 0;
    presentation_.move(ctlfrees1_,
                       QPoint(layout::twips(kSlideStartTwips), layout::kFreeSpinsWon.y()));
    ctlfrees1_->show();
    slide_->start();
}

void FeatureBanners::onSlideStep() {
    const int from = layout::twips(kSlideStartTwips);
    const QRect home = layout::kFreeSpinsWon;
    ++slideStep_;
    presentation_.move(
        ctlfrees1_,
        QPoint(from + (home.x() - from) * slideStep_ / duration::kBannerSlideSteps, home.y()));
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
    strip_ = Strip::SpinsLeft;
    const QString count = QString::number(spinsLeft);
    presentation_.setFont(spinsleft_, spinsLeftFont(count));
    spinsleft_->setText(count);
    setStripShown(true);
}

void FeatureBanners::showCompleted() {
    stop();
    strip_ = Strip::Completed;
    ctlfrees1_->hide();
    setStripShown(true);
}

void FeatureBanners::showPlate() {
    stop();
    strip_ = Strip::Plate;
    ctlfrees1_->hide();
    setStripShown(true);
}

// What belongs in the strip shows, or nothing does. The announcement's sliding banner is the
// slide's and the blink's to show and hide.
void FeatureBanners::setStripShown(bool shown) {
    panfreespin_->setVisible(shown && strip_ == Strip::Plate);
    ctrlfreesleft1_->setVisible(shown && strip_ == Strip::SpinsLeft);
    spinsleft_->setVisible(shown && strip_ == Strip::SpinsLeft);
    freespinscompleted1_->setVisible(shown && strip_ == Strip::Completed);
}

void FeatureBanners::stop() {
    slide_->stop();
    tmrfrees_->stop();
    presentation_.move(ctlfrees1_, layout::kFreeSpinsWon.topLeft());
}

}  // namespace kestrel::ui
