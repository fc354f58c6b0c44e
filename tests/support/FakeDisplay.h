#pragma once

#include "DisplayMode.h"

namespace kestrel::test {

// A screen of a chosen size that records the presentation requests.
class FakeDisplay final : public DisplayMode {
public:
    explicit FakeDisplay(QSize screen = {800, 600}) : screen_(screen) {}
    QSize screenSize() const override { return screen_; }
    void switchTo800x600() override {
        ++switches;
        fullScreen = true;
    }
    void restore() override {
        ++restores;
        fullScreen = false;
    }
    bool presentingFullScreen() const override { return fullScreen; }

    int switches = 0;
    int restores = 0;
    bool fullScreen = false;

private:
    QSize screen_;
};

}  // namespace kestrel::test
