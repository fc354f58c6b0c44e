#pragma once

#include "DisplayMode.h"

namespace kestrel::test {

// A screen of a chosen size that records the presentation requests.
class FakeDisplay final : public DisplayMode {
public:
    explicit FakeDisplay(QSize screen = {800, 600}) : screen_(screen) {}
    QSize screenSize() const override { return screen_; }
    void switchTo800x600() override { ++switches; }
    void restore() override { ++restores; }

    int switches = 0;
    int restores = 0;

private:
    QSize screen_;
};

}  // namespace kestrel::test
