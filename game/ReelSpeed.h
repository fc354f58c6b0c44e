#pragma once

#include <array>
#include <cstdint>

namespace kestrel {

// The reel speed a player chooses, stored as `reelspeed`: 1 fast, 2 slow. A record that never
// chose one holds 0; it plays fast, and from then on it is fast that the player sees chosen.
inline constexpr std::int16_t kFastReels = 1;
inline constexpr std::int16_t kSlowReels = 2;

constexpr std::int16_t reelSpeedInForce(std::int16_t stored) {
    return stored == kSlowReels ? kSlowReels : kFastReels;
}

// The 50 ms animation tick on which reel 1..5 stops (index 0 unused): fast stops a reel every
// quarter second, slow every three quarters, the first reel after 0.3 s either way.
constexpr std::array<int, 6> reelStopTicks(std::int16_t speed) {
    if (reelSpeedInForce(speed) == kSlowReels) {
        return {0, 5, 20, 35, 50, 65};
    }
    return {0, 5, 10, 15, 20, 25};
}

}  // namespace kestrel
