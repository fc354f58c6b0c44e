#pragma once

#include <cstdint>
#include <string>

#include "Figures.h"
#include "MeanEstimate.h"

namespace kestrel::par {

struct SimulationOptions {
    std::uint64_t spins = 0;  // paid spins to play
    std::uint64_t seed = 0;
    int lines = 25;
    int payout = 7;
};

struct SimulationReport {
    std::uint64_t paidSpins = 0;
    std::uint64_t hits = 0;       // paid spins that won anything
    std::uint64_t features = 0;   // features started by a paid spin
    std::uint64_t freeSpins = 0;  // free spins played in them
    MeanEstimate base;            // per paid spin: its own win ÷ total bet
    MeanEstimate total;           // per paid spin: its win and its whole feature's ÷ total bet
};

// Plays paid spins at one credit per line through the machine the window uses: play, settle,
// every free spin of a feature and take-win, each paid spin with what it leads to measured from
// the credit. Throws std::invalid_argument for options the machine cannot play.
SimulationReport simulate(const SimulationOptions& options);

// A summary of the run ending with the lines
//   rtp_base measured=M ci99=[LO,HI] exact=E
//   rtp_total measured=M ci99=[LO,HI] exact=E
std::string reportOf(const SimulationOptions& options, const SimulationReport& report,
                     const Figures& exact);

}  // namespace kestrel::par
