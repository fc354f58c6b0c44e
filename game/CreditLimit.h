#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "Bets.h"
#include "Geometry.h"
#include "PayTable.h"

namespace kestrel {

// The credit is a 32-bit count of credits: it can hold no more than this.
inline constexpr std::int32_t kCreditLimit = std::numeric_limits<std::int32_t>::max();

// The top line pay and the top scatter pay in the pay table, as multipliers.
inline constexpr int kTopLineMultiplier = [] {
    int top = 0;
    for (int g = 1; g <= kPayingSymbolCount; ++g) {
        for (int count = 2; count <= kReels; ++count) {
            top = std::max(top, kLinePay[g][count]);
        }
    }
    return top;
}();
inline constexpr int kTopScatterMultiplier = [] {
    int top = 0;
    for (int specials = 0; specials <= kReels; ++specials) {
        top = std::max(top, scatterMultiplier(specials));
    }
    return top;
}();

// The most one spin can pay at this bet: the top line pay on every played line and the top
// scatter pay besides. No outcome pays more, so a credit with this much room loses no win.
constexpr std::int32_t largestSpinWin(int lines, int betPerLine) {
    return (kTopLineMultiplier + kTopScatterMultiplier) * lines * betPerLine;
}

// The highest credit from which a paid spin at this bet is played: once the bet is charged, the
// spin's largest win still fits.
constexpr std::int32_t highestCreditToPlay(int lines, int betPerLine) {
    return kCreditLimit - (largestSpinWin(lines, betPerLine) - lines * betPerLine);
}

// Money put in may take the credit no higher than this: the smallest bet can still be played.
inline constexpr std::int32_t kHighestCreditToInsert =
    highestCreditToPlay(kLinesOfLineButton[1], kBetOfPlayButton[1]);

static_assert(largestSpinWin(kLinesOfLineButton[kLineButtons], kBetOfPlayButton[kPlayButtons]) <
                  kCreditLimit / 2,
              "the largest bet's largest win leaves the credit most of its range");

}  // namespace kestrel
