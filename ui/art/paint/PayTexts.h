#pragma once

#include <QString>
#include <vector>

#include "Symbols.h"

// The numbers and words of the pay table and the information plate, read from the rules
// engine's own tables so the pictures can never disagree with the game.
namespace kestrel::art {

struct Pay {
    int count;       // symbols in the run, or specials in the window
    int multiplier;  // × the bet per line, or × the total bet for the scatter pay
};

// A paying symbol's line pays, longest run first; runs that pay nothing are left out.
std::vector<Pay> linePays(Symbol symbol);
// The scatter pays by number of specials, most first.
std::vector<Pay> scatterPays();
// "1500" for a line pay, "20×" for a scatter pay.
QString payText(const Pay& pay, bool timesTotalBet);

// How many specials start free spins ("3, 4 or 5") and the free spins a first trigger then
// gives ("10, 15 or 20": the triggering spin is the feature's first).
QString freeSpinTriggers();
QString freeSpinCounts();
// The reels the wild stands on, read from the strips: "2, 3 and 4".
QString wildReels();

}  // namespace kestrel::art
