#pragma once

#include <QObject>

#include "ArtBook.h"
#include "Clock.h"
#include "Presentation.h"

class QLabel;
class QWidget;

namespace kestrel::ui {

// The strip under the buttons: the information plate (panfreespin) in ordinary play, and the
// free-spin banners during a feature: "free spins won" (ctlfrees1) sliding in and blinking for
// two seconds, then the spins-left frame (ctrlfreesleft1) with its count (spinsleft), and
// "free spins completed" (freespinscompleted1) at the end.
class FeatureBanners : public QObject {
    Q_OBJECT
public:
    FeatureBanners(QWidget* window, Clock& clock, Presentation& presentation);

    // Slides the "free spins won" banner in, blinks it, then shows `spinsLeft` in its frame.
    void announce(int spinsLeft);
    void showSpinsLeft(int spinsLeft);
    void showCompleted();
    // The feature is over: the information plate again.
    void showPlate();
    // The pay-line view and the last games hide the strip; it comes back as it was.
    void setStripShown(bool shown);
    // Stops the slide and the blink where they are.
    void stop();

private:
    void onSlideStep();
    void onBlinkTick();

    Presentation& presentation_;
    QLabel* panfreespin_;
    QLabel* ctlfrees1_;
    QLabel* ctrlfreesleft1_;
    QLabel* freespinscompleted1_;
    QLabel* spinsleft_;
    ClockTimer* slide_;
    ClockTimer* tmrfrees_;
    int slideStep_ = 0;
    int bannerTick_ = 0;
    int spinsLeftAfterBlink_ = 0;
    // What belongs in the strip: the pay-line view and the last games hide it and give it back.
    enum class Strip { Plate, Announcement, SpinsLeft, Completed };
    Strip strip_ = Strip::Plate;
};

}  // namespace kestrel::ui
