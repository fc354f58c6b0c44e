#pragma once

#include <cstdint>

namespace kestrel {

class Machine;
struct Settlement;

// Autoplay repeats the bet. After every settled paid spin it waits a moment, longer after a win
// so that the win can be seen, and spins again, until the player switches it off or the credit
// no longer covers the bet. A free-spin feature plays itself meanwhile; once it is complete,
// autoplay leaves its banner up for a while, takes the win and goes on. It never gambles.
class Autoplay {
public:
    // Waits in idle ticks of 100 ms, counted from the end of a settling or a take-win.
    static constexpr int kTicksAfterLoss = 15;
    static constexpr int kTicksAfterWin = 25;
    // Long enough for the completion fanfare (5.9 s) to be heard to its last chord before the
    // take-win's sound replaces it.
    static constexpr int kTicksShowingFeatureTotal = 55;

    enum class Action { None, Spin, TakeWin };
    struct Next {
        Action action = Action::None;
        int afterTicks = 0;
        bool operator==(const Next&) const = default;
    };

    bool isOn() const { return on_; }
    // `autoplayState`: 10 while on, 0 when off.
    int state() const { return on_ ? 10 : 0; }

    // Switches on when a play button plays this bet per line; otherwise stays off.
    bool switchOn(int betPerLine);
    void switchOff() { on_ = false; }

    // What autoplay does after a settled spin, and when.
    Next afterSettling(const Settlement& settled, std::int32_t spinWin) const;
    // What autoplay does after a feature's win was taken.
    Next afterTakeWin() const;

private:
    bool on_ = false;
};

// Whether the gamble is offered now: the machine has a win to stake and autoplay is off.
bool mayOfferGamble(const Machine& machine, const Autoplay& autoplay);

}  // namespace kestrel
