#pragma once

#include <array>
#include <cstdint>

#include "Geometry.h"
#include "Symbols.h"

namespace kestrel {

// Row taken on each reel (1..5) by each of the 25 paylines.
inline constexpr std::array<std::array<Row, kReels>, kLines> kPaylines = [] {
    constexpr Row T = Row::Top, M = Row::Middle, B = Row::Bottom;
    return std::array<std::array<Row, kReels>, kLines>{{
        {M, M, M, M, M}, {T, T, T, T, T}, {B, B, B, B, B}, {T, M, B, M, T}, {B, M, T, M, B},
        {T, T, M, T, T}, {B, B, M, B, B}, {M, T, T, T, M}, {M, B, B, B, M}, {M, M, T, M, M},
        {M, M, B, M, M}, {T, M, M, M, T}, {B, M, M, M, B}, {T, M, T, M, T}, {M, T, M, T, M},
        {B, M, B, M, B}, {M, B, M, B, M}, {T, B, T, B, T}, {B, T, B, T, B}, {M, T, B, T, M},
        {M, B, T, B, M}, {M, T, M, B, M}, {M, B, M, T, M}, {T, T, T, M, B}, {B, B, B, M, T},
    }};
}();

constexpr Row lineRow(int line, int reel) {
    return kPaylines[line - 1][reel - 1];
}
constexpr int lineCell(int line, int reel) {
    return cellNumber(reel, lineRow(line, reel));
}

// The lines through one cell, in ascending order.
struct LinesThroughCell {
    std::array<std::uint8_t, kLines> lines{};
    int count = 0;
};

// For each reel (0-based) and row, the paylines passing through that cell.
inline constexpr auto kLinesThrough = [] {
    std::array<std::array<LinesThroughCell, kRows>, kReels> table{};
    for (int line = 1; line <= kLines; ++line) {
        for (int reel = 1; reel <= kReels; ++reel) {
            auto& cell = table[reel - 1][static_cast<int>(lineRow(line, reel))];
            cell.lines[cell.count++] = static_cast<std::uint8_t>(line);
        }
    }
    return table;
}();

}  // namespace kestrel
