#pragma once

#include <array>
#include <string>
#include <vector>

#include "Figures.h"
#include "Tally.h"

namespace kestrel::par {

// The payout settings the table shows: the options dialog's two, and 1 (every outcome stands).
inline constexpr std::array<int, 3> kTablePayouts = {7, 4, 1};

struct ParRow {
    int lines = 0;
    int payout = 0;
    Figures figures;
};

// One row per line count and payout setting, line counts ascending, payouts as listed above.
std::vector<ParRow> parTable(const Tallies& tallies);

// The header `lines,payout,rtp_base,rtp_total,hit_frequency,trigger_probability,mean_free_spins`
// and one line per row: probabilities with 6 decimals, mean free spins with 4.
std::string csvOf(const std::vector<ParRow>& rows);

// The same figures laid out for reading, returns in percent.
std::string tableOf(const std::vector<ParRow>& rows);

}  // namespace kestrel::par
