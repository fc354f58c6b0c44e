#pragma once

#include <cstdint>

namespace kestrel {

// The twelve reel symbols. The enumerator value is the symbol's group number (1..12), which
// also fixes where its pictures sit in the single-cell picture list.
enum class Symbol : std::uint8_t {
    S1 = 1,  // hippie girl
    S2,      // jukebox
    S3,      // fifties badge
    S4,      // camper van
    S5,      // electric guitar
    S6,      // diner waitress
    S7,      // flowered K
    S8,      // flowered Q
    S9,      // flowered J
    S10,     // green 9
    SC,      // scatter: dancing couple
    W,       // wild: peace sign
};

inline constexpr int kSymbolCount = 12;
inline constexpr int kPayingSymbolCount = 10;

enum class Row : std::uint8_t { Top = 0, Middle = 1, Bottom = 2 };

constexpr int group(Symbol s) {
    return static_cast<int>(s);
}
constexpr Symbol symbolOfGroup(int g) {
    return static_cast<Symbol>(g);
}
constexpr bool isPaying(Symbol s) {
    return group(s) <= kPayingSymbolCount;
}

// Index (1..36) of the symbol's picture for a cell in the given row.
constexpr int pictureIndex(Symbol s, Row row) {
    return 3 * (group(s) - 1) + static_cast<int>(row) + 1;
}

// The symbol a single-cell picture index (1..36) shows.
constexpr Symbol symbolOfPicture(int picture) {
    return symbolOfGroup((picture - 1) / 3 + 1);
}

}  // namespace kestrel
