#include "PictureSlide.h"

#include "Durations.h"

namespace kestrel::ui {

PictureSlide::PictureSlide(QLabel* picture, Clock& clock, Presentation& presentation, int left,
                           int startTop, int restTop)
    : QObject(picture),
      picture_(picture),
      presentation_(presentation),
      timer_(clock.createTimer(this, duration::kGambleSlideStep)),
      left_(left),
      startTop_(startTop),
      restTop_(restTop) {
    connect(timer_, &ClockTimer::timeout, this, &PictureSlide::step);
}

void PictureSlide::start() {
    timer_->stop();  // a fresh rhythm, whatever was under way
    step_ = 0;
    presentation_.move(picture_, QPoint(left_, startTop_));
    picture_->show();
    picture_->raise();
    timer_->start();
}

void PictureSlide::hide() {
    timer_->stop();
    picture_->hide();
}

void PictureSlide::step() {
    ++step_;
    presentation_.move(picture_, QPoint(left_, startTop_ + (restTop_ - startTop_) * step_ /
                                                               duration::kGambleSlideSteps));
    if (step_ >= duration::kGambleSlideSteps) {
        timer_->stop();
        emit rested();
    }
}

}  // namespace kestrel::ui
