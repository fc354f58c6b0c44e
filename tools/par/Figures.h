#pragma once

#include <cstdint>
#include <limits>

#include "Tally.h"

namespace kestrel::par {

// The payout setting N is a 16-bit record value; 1 lets every outcome stand.
inline constexpr int kMaxPayout = std::numeric_limits<std::int16_t>::max();

// The machine's exact figures for one line count and payout setting, over the outcomes that
// stand under the payout control (a spin paying more than the total bet stands one time in N and
// is otherwise drawn again).
struct Figures {
    double rtpBase = 0;             // expected win of a paid spin ÷ total bet
    double rtpTotal = 0;            // the same with the free spins the paid spin leads to
    double hitFrequency = 0;        // P(spin wins anything)
    double triggerProbability = 0;  // P(three or more specials)
    double meanFreeSpins = 0;       // free spins played after a trigger, re-triggers included
    // Free spins a free spin awards on average. A feature ends for sure only while this stays
    // below 1; otherwise meanFreeSpins and rtpTotal are infinite.
    double freeSpinBranching = 0;
};

// Throws std::invalid_argument for a line count the player cannot choose, a payout setting
// outside 1..kMaxPayout, or a tally without outcomes.
Figures figuresOf(const LineTally& tally, int lines, int payout);

}  // namespace kestrel::par
