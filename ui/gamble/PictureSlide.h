#pragma once

#include <QLabel>
#include <QObject>

#include "Clock.h"
#include "Presentation.h"

namespace kestrel::ui {

// Moves a picture down from the top of its container to its resting place over a short fixed
// time, on its own clock timer, so the window stays responsive while it moves.
class PictureSlide : public QObject {
    Q_OBJECT
public:
    PictureSlide(QLabel* picture, Clock& clock, Presentation& presentation, int left, int startTop,
                 int restTop);

    // Shows the picture at its start and sets it moving; a slide under way starts again.
    void start();
    // Hides the picture and stops it where it is.
    void hide();

signals:
    void rested();

private:
    void step();

    QLabel* picture_;
    Presentation& presentation_;
    ClockTimer* timer_;
    int left_;
    int startTop_;
    int restTop_;
    int step_ = 0;
};

}  // namespace kestrel::ui
