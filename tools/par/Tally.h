#pragma once

#include <array>
#include <cstdint>

#include "Bets.h"
#include "Geometry.h"

namespace kestrel::par {

// The line counts a player can choose, in the order the tallies keep them.
inline constexpr int kLineCountChoices = kLineButtons;
inline constexpr std::array<int, kLineCountChoices> kLineCounts = {
    kLinesOfLineButton[1], kLinesOfLineButton[2], kLinesOfLineButton[3], kLinesOfLineButton[4],
    kLinesOfLineButton[5]};

// Integer sums over a set of equally likely stop combinations that fall in one class of the
// payout control. Wins are counted at one credit per line.
struct ClassTally {
    std::int64_t outcomes = 0;
    std::int64_t win = 0;
    std::int64_t hits = 0;                              // outcomes that win anything
    std::array<std::int64_t, kReels + 1> bySpecials{};  // outcomes by scatters plus wilds

    bool operator==(const ClassTally&) const = default;
};

// The payout control treats outcomes by one question: does the win exceed the total bet? Those
// that do not always stand; those that do stand one time in N.
struct LineTally {
    ClassTally withinBet;
    ClassTally overBet;

    bool operator==(const LineTally&) const = default;
};

// One tally per line count, in the order of kLineCounts.
using Tallies = std::array<LineTally, kLineCountChoices>;

// Index of a line count in kLineCounts, or -1 when the player cannot choose it.
constexpr int lineCountIndex(int lines) {
    for (int i = 0; i < kLineCountChoices; ++i) {
        if (kLineCounts[i] == lines) {
            return i;
        }
    }
    return -1;
}

}  // namespace kestrel::par
