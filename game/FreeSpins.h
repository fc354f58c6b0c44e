#pragma once

#include <cstdint>
#include <optional>

namespace kestrel {

// Accounting of one free-spin feature: awards, the count-down, re-triggers and completion.
// Three or more specials award 11, 16 or 21 spins; the spin that triggers counts as the first
// one played, and a trigger inside the feature extends it.
class FreeSpins {
public:
    enum class State { None, Running, Completed };

    struct Step {
        bool triggered = false;     // this spin started or extended the feature
        bool firstTrigger = false;  // it started a new feature
        bool completed = false;     // it was the feature's last spin
    };

    // Books a settled spin: its specials and its win (the win of a spin that starts a feature is
    // carried into the feature total; a free spin's win was already added when it was decided).
    Step settle(int specialCount, std::int32_t spinWin);

    // Adds a free spin's win to the feature total.
    void addWin(std::int32_t spinWin);

    // Completes a running feature at once, with the spins still awarded left unplayed.
    void endNow();

    // Ends a completed feature, returning its total for payment.
    std::int32_t take();

    // A feature as settled spins leave it, or nothing when no play could have left it so: none
    // is all zero; a running or completed one has played at least its trigger and at most what
    // was awarded, and a total that is not negative.
    static std::optional<FreeSpins> resumed(State state, int awarded, int played,
                                            std::int32_t featureWin);

    State state() const { return state_; }
    bool active() const { return state_ == State::Running; }
    std::int16_t awarded() const { return awarded_; }
    std::int16_t played() const { return played_; }
    std::int32_t featureWin() const { return featureWin_; }
    int spinsLeft() const { return awarded_ - played_; }

private:
    State state_ = State::None;
    std::int16_t awarded_ = 0;  // spins awarded, the triggering spin included
    std::int16_t played_ = 0;   // spins settled, the triggering spin included
    std::int32_t featureWin_ = 0;
};

}  // namespace kestrel
