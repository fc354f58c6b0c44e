#pragma once

#include "Symbols.h"

namespace kestrel {

// Line pay multipliers (× bet per line) by paying symbol and run length 2..5; 0 means no pay.
inline constexpr int kLinePay[kPayingSymbolCount + 1][6] = {
    {},
    {0, 0, 0, 300, 600, 1500},  // S1
    {0, 0, 0, 100, 250, 800},   // S2
    {0, 0, 0, 100, 250, 800},   // S3
    {0, 0, 0, 50, 75, 150},     // S4
    {0, 0, 0, 20, 50, 150},     // S5
    {0, 0, 0, 20, 40, 125},     // S6
    {0, 0, 0, 15, 50, 175},     // S7
    {0, 0, 0, 10, 20, 100},     // S8
    {0, 0, 0, 5, 20, 100},      // S9
    {0, 0, 2, 10, 20, 100},     // S10
};

constexpr int lineMultiplier(Symbol s, int count) {
    if (!isPaying(s) || count < 2 || count > 5) {
        return 0;
    }
    return kLinePay[group(s)][count];
}

// Run length read from a line sum of reel weights (8, 7, 6, 10, 20): the run of matching reels
// that starts at reel 1; a gap ends the run. Any other sum is no run worth paying.
constexpr int countFromLineSum(int sum) {
    switch (sum) {
        case 15:
        case 25:
        case 35:
        case 45:
            return 2;
        case 21:
        case 41:
            return 3;
        case 31:
            return 4;
        case 51:
            return 5;
        default:
            return 0;
    }
}

// Scatter pay multiplier (× total bet) by the number of scatters plus wilds in the window.
constexpr int scatterMultiplier(int specialCount) {
    switch (specialCount) {
        case 2:
            return 1;
        case 3:
            return 5;
        case 4:
            return 10;
        case 5:
            return 20;
        default:
            return 0;
    }
}

// Free spins awarded by a trigger with this many specials (the triggering spin counts as one).
constexpr int freeSpinAward(int specialCount) {
    switch (specialCount) {
        case 3:
            return 11;
        case 4:
            return 16;
        case 5:
            return 21;
        default:
            return 0;
    }
}

}  // namespace kestrel
