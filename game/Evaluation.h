#pragma once

#include <array>
#include <cstdint>

#include "Geometry.h"
#include "SpinRecords.h"

namespace kestrel {

// The money side of one drawn outcome, before the payout control looks at it.
struct SpinResult {
    std::int32_t spinWin = 0;                         // scatter pay plus all line pays
    std::array<std::int16_t, kLines + 1> winLine{};   // winLine[l] = l when line l won, else 0
    std::array<std::int16_t, kLines + 1> winCount{};  // symbols in line l's win (2..5), else 0
};

// Scores the played lines 1..linesPlayed and the scatter pay of a drawn outcome.
SpinResult evaluate(const SpinRecords& records, int linesPlayed, int betPerLine);

}  // namespace kestrel
