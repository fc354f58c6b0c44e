#pragma once

#include "Symbols.h"

namespace kestrel {

inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kCells = kReels * kRows;
inline constexpr int kStops = 22;        // stops per reel
inline constexpr int kStripLength = 24;  // strip positions; stop k shows k, k+1, k+2
inline constexpr int kLines = 25;

// Reel weights: every subset of reels has a distinct sum, so a line sum names the reels behind it.
inline constexpr int kReelWeight[kReels + 1] = {0, 8, 7, 6, 10, 20};

// Cells are numbered 1..15 in serpentine order: down reel 1, up reel 2, down reel 3, ...
constexpr int cellNumber(int reel, Row row) {
    const int base = 3 * (reel - 1);
    const int r = static_cast<int>(row);
    return (reel % 2 == 1) ? base + r + 1 : base + 3 - r;
}

constexpr int cellReel(int cell) {
    return (cell - 1) / 3 + 1;
}

constexpr Row cellRow(int cell) {
    const int reel = cellReel(cell);
    const int offset = (cell - 1) % 3;  // 0..2 in numbering order
    return static_cast<Row>(reel % 2 == 1 ? offset : 2 - offset);
}

}  // namespace kestrel
