#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "Geometry.h"
#include "Symbols.h"

namespace kestrel {

// What the five reel draws leave behind for the evaluation and the presentations.
// Reel-indexed arrays run 1..5 (index 0 unused); line-indexed arrays run 1..25.
struct SpinRecords {
    // One accumulator per paying symbol S1..S10 (index group − 1) and one for the wild (index 10):
    // per line, the sum of the weights of the reels whose cell on that line shows the symbol or a
    // wild. Index 0 of each array carries no line.
    std::array<std::array<std::int16_t, kLines + 1>, kPayingSymbolCount + 1> lineSum{};
    std::int16_t specialCount = 0;  // scatters plus wilds in the window, 0..5
    std::array<std::int16_t, kReels + 1> scatterCell{};
    std::array<std::int16_t, kReels + 1> wildCell{};
    std::array<std::array<std::int16_t, kRows>, kReels + 1> cellPic{};  // [reel][row], 1..36
    std::array<std::int16_t, kReels + 1> reelStop{};                    // 1..22

    static constexpr int kWildSum = kPayingSymbolCount;

    std::int16_t sumOf(Symbol s, int line) const {
        return lineSum[s == Symbol::W ? kWildSum : group(s) - 1][line];
    }
    // Picture index shown in cell 1..15.
    std::int16_t picOfCell(int cell) const {
        return cellPic[cellReel(cell)][static_cast<int>(cellRow(cell))];
    }
};

// Clears everything a new draw writes.
void resetRecords(SpinRecords& records);

// Records what reel 1..5 shows when it rests on stop 1..22: its cell pictures, its stop, its
// contribution to the line sums and its scatter or wild.
void recordReel(SpinRecords& records, int reel, int stop);

// The window the strips show at these stops; nothing when a stop is off the strips.
std::optional<SpinRecords> recordsAtStops(const std::array<int, kReels>& stops);
// The stops a recorded window rests on.
std::array<int, kReels> stopsOf(const SpinRecords& records);

// Records a column of three symbols (top, middle, bottom) on reel 1..5 as recordReel does, but
// for any column, not only the strips' own; tests build windows with it.
void recordColumn(SpinRecords& records, int reel, const std::array<Symbol, kRows>& column);

}  // namespace kestrel
