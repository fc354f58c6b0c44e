#pragma once

#include <array>

namespace kestrel {

inline constexpr int kPlayButtons = 6;
inline constexpr int kLineButtons = 5;

// Credits bet per line by play button 1..6 (index 0 unused).
inline constexpr std::array<int, kPlayButtons + 1> kBetOfPlayButton = {0, 1, 2, 3, 5, 10, 20};

// Lines played by line button 1..5 (index 0 unused).
inline constexpr std::array<int, kLineButtons + 1> kLinesOfLineButton = {0, 1, 5, 10, 15, 25};

// The play button that plays this bet per line, or 0 when no button does.
constexpr int playButtonOfBet(int bet) {
    for (int k = 1; k <= kPlayButtons; ++k) {
        if (kBetOfPlayButton[k] == bet) {
            return k;
        }
    }
    return 0;
}

// Whether a play button plays this bet per line.
constexpr bool isBetPerLine(int bet) {
    return playButtonOfBet(bet) != 0;
}

constexpr bool isLineCount(int lines) {
    for (int k = 1; k <= kLineButtons; ++k) {
        if (kLinesOfLineButton[k] == lines) {
            return true;
        }
    }
    return false;
}

}  // namespace kestrel
