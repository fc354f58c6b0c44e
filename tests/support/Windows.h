#pragma once

#include <array>

#include "Geometry.h"
#include "SpinRecords.h"
#include "Symbols.h"

namespace kestrel::test {

using Column = std::array<Symbol, kRows>;  // top, middle, bottom

// Records a hand-made window of five columns, as if the reels had stopped on it.
inline SpinRecords window(const Column& reel1, const Column& reel2, const Column& reel3,
                          const Column& reel4, const Column& reel5) {
    SpinRecords records;
    int reel = 1;
    for (const Column* column : {&reel1, &reel2, &reel3, &reel4, &reel5}) {
        recordColumn(records, reel++, *column);
    }
    return records;
}

// Records the window the strips show at the given stops.
inline SpinRecords windowAtStops(const std::array<int, kReels>& stops) {
    return recordsAtStops(stops).value();
}

// Stops that show these windows on the real strips (found by enumerating the strips).
inline constexpr std::array<int, kReels> kLosingStops = {2, 6, 2, 1, 1};    // no special, no pay
inline constexpr std::array<int, kReels> kThreeSpecials = {1, 1, 1, 1, 1};  // scatter pay only
inline constexpr std::array<int, kReels> kTwoSpecials = {1, 1, 2, 1, 1};    // pays the total bet
inline constexpr std::array<int, kReels> kTwoLineWin = {2, 3, 1, 1, 1};     // lines 3 and 7
inline constexpr std::array<int, kReels> kFourSpecials = {1, 1, 1, 1, 7};
inline constexpr std::array<int, kReels> kFiveSpecials = {1, 1, 1, 5, 7};

}  // namespace kestrel::test
