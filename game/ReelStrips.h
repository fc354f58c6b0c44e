#pragma once

#include <array>

#include "Geometry.h"
#include "Symbols.h"

namespace kestrel {

using Strip = std::array<Symbol, kStripLength>;

// The five reel strips, positions 1..24 (stored 0-based). The strips do not wrap.
inline constexpr std::array<Strip, kReels> kStrips = {{
    {Symbol::SC, Symbol::S9,  Symbol::S7, Symbol::S10, Symbol::S4,  Symbol::S9,
     Symbol::S5, Symbol::S10, Symbol::S8, Symbol::S6,  Symbol::S10, Symbol::SC,
     Symbol::S9, Symbol::S6,  Symbol::S8, Symbol::S2,  Symbol::S9,  Symbol::S3,
     Symbol::S7, Symbol::S4,  Symbol::S7, Symbol::S1,  Symbol::SC,  Symbol::S10},
    {Symbol::S10, Symbol::W,  Symbol::S7, Symbol::S8,  Symbol::S10, Symbol::S9,
     Symbol::S8,  Symbol::S6, Symbol::SC, Symbol::S5,  Symbol::S3,  Symbol::S8,
     Symbol::S9,  Symbol::S2, Symbol::S7, Symbol::S10, Symbol::S4,  Symbol::S2,
     Symbol::S8,  Symbol::S9, Symbol::S1, Symbol::S6,  Symbol::S10, Symbol::S5},
    {Symbol::SC,  Symbol::S10, Symbol::S8, Symbol::S4, Symbol::S3, Symbol::S9,
     Symbol::S5,  Symbol::S4,  Symbol::S6, Symbol::S3, Symbol::W,  Symbol::S10,
     Symbol::S4,  Symbol::S9,  Symbol::S8, Symbol::S5, Symbol::S1, Symbol::S2,
     Symbol::S10, Symbol::S5,  Symbol::S9, Symbol::S7, Symbol::S3, Symbol::S10},
    {Symbol::S5,  Symbol::S3,  Symbol::S6, Symbol::S7,  Symbol::S10, Symbol::S6,
     Symbol::SC,  Symbol::S5,  Symbol::S3, Symbol::S8,  Symbol::W,   Symbol::S9,
     Symbol::S10, Symbol::S7,  Symbol::S4, Symbol::S10, Symbol::S9,  Symbol::S1,
     Symbol::S2,  Symbol::S10, Symbol::S5, Symbol::S8,  Symbol::S4,  Symbol::S3},
    {Symbol::S10, Symbol::S4, Symbol::S7, Symbol::S8, Symbol::S3,  Symbol::S5,
     Symbol::S9,  Symbol::S1, Symbol::SC, Symbol::S5, Symbol::S10, Symbol::S6,
     Symbol::S8,  Symbol::S3, Symbol::S9, Symbol::S4, Symbol::S5,  Symbol::S2,
     Symbol::S1,  Symbol::S6, Symbol::S7, Symbol::S9, Symbol::S10, Symbol::S4},
}};

// Symbol at strip position 1..24 of reel 1..5.
constexpr Symbol stripSymbol(int reel, int position) {
    return kStrips[reel - 1][position - 1];
}

// Symbol in the given row when reel 1..5 rests on stop 1..22.
constexpr Symbol stopSymbol(int reel, int stop, Row row) {
    return stripSymbol(reel, stop + static_cast<int>(row));
}

}  // namespace kestrel
