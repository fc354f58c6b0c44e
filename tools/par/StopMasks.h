#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "Geometry.h"
#include "Paylines.h"
#include "ReelStrips.h"
#include "Symbols.h"

namespace kestrel::par {

// The set of paying symbols a cell counts as for a run along a line: bit g stands for Sg. A
// paying symbol counts as itself, the wild as every paying symbol, the scatter as none.
constexpr std::uint16_t runMask(Symbol s) {
    if (s == Symbol::W) {
        std::uint16_t all = 0;
        for (int g = 1; g <= kPayingSymbolCount; ++g) {
            all = static_cast<std::uint16_t>(all | (1u << g));
        }
        return all;
    }
    return isPaying(s) ? static_cast<std::uint16_t>(1u << group(s)) : std::uint16_t{0};
}

// What every stop of every reel means to the lines, worked out once so that enumerating the
// outcomes is a matter of ANDing masks. Indices are 0-based: [reel - 1][stop - 1][line - 1].
struct StopMasks {
    std::array<std::array<std::array<std::uint16_t, kLines>, kStops>, kReels> run{};
    std::array<std::array<std::uint8_t, kStops>, kReels> specials{};  // scatters plus wilds

    // The group of the paying symbol in a line's reel-1 cell, 0 when that cell holds a scatter.
    int firstGroup(int stopIndex, int lineIndex) const {
        const unsigned mask = run[0][stopIndex][lineIndex];
        return mask == 0 ? 0 : std::countr_zero(mask);
    }
};

constexpr bool reelShowsWild(int reel) {
    for (int position = 1; position <= kStripLength; ++position) {
        if (stripSymbol(reel, position) == Symbol::W) {
            return true;
        }
    }
    return false;
}

// A run is owned by the symbol in its reel-1 cell, which is why a single bit per line is enough
// to follow it; a wild on reel 1 would break that.
static_assert(!reelShowsWild(1), "runs are followed from a single paying symbol on reel 1");

// Scatters plus wilds shown by reel 1..5 at stop 1..22.
constexpr int stopSpecials(int reel, int stop) {
    int specials = 0;
    for (int row = 0; row < kRows; ++row) {
        const Symbol s = stopSymbol(reel, stop, static_cast<Row>(row));
        specials += (s == Symbol::W || s == Symbol::SC) ? 1 : 0;
    }
    return specials;
}

constexpr int mostSpecialsOnOneStop() {
    int most = 0;
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            most = std::max(most, stopSpecials(reel, stop));
        }
    }
    return most;
}

// Tallies keep outcomes by specialCount 0..5, one special per reel at the most.
static_assert(mostSpecialsOnOneStop() <= 1, "a stop shows at most one scatter or wild");

inline constexpr StopMasks kStopMasks = [] {
    StopMasks masks{};
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            masks.specials[reel - 1][stop - 1] =
                static_cast<std::uint8_t>(stopSpecials(reel, stop));
            for (int line = 1; line <= kLines; ++line) {
                masks.run[reel - 1][stop - 1][line - 1] =
                    runMask(stopSymbol(reel, stop, lineRow(line, reel)));
            }
        }
    }
    return masks;
}();

}  // namespace kestrel::par
