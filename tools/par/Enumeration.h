#pragma once

#include <array>
#include <vector>

#include "Geometry.h"
#include "Tally.h"

namespace kestrel::par {

// Stops 1..22 to take on each reel; every combination of them is one equally likely outcome.
using StopSelection = std::array<std::vector<int>, kReels>;

// Every stop of every reel: the 22^5 outcomes of a spin.
StopSelection allStops();

// Tallies every combination of the selected stops for each line count, at one credit per line.
// Throws std::invalid_argument for a stop outside 1..22 or one selected twice on a reel.
Tallies enumerate(const StopSelection& stops);

inline Tallies enumerateAll() {
    return enumerate(allStops());
}

}  // namespace kestrel::par
