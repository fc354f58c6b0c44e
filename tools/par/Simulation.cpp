#include "Simulation.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "Machine.h"
#include "RandomSource.h"
#include "Tally.h"

namespace kestrel::par {

namespace {

// The machine is kept in credit by resetting its bank between paid spins to a level that no
// single feature's win or bet can push out of 32 bits.
constexpr std::int32_t kFloat = 1'000'000'000;
constexpr std::int32_t kLowWater = 100'000'000;
constexpr std::int32_t kHighWater = 1'500'000'000;
constexpr int kOneCreditButton = 1;

std::string estimateLine(const char* name, const MeanEstimate& estimate, double exact) {
    const Interval ci = estimate.interval99();
    char line[160];
    std::snprintf(line, sizeof line, "%s measured=%.6f ci99=[%.6f,%.6f] exact=%.6f\n", name,
                  estimate.mean(), ci.low, ci.high, exact);
    return line;
}

}  // namespace

SimulationReport simulate(const SimulationOptions& options) {
    if (lineCountIndex(options.lines) < 0) {
        throw std::invalid_argument("lines must be 1, 5, 10, 15 or 25");
    }
    if (options.payout < 1 || options.payout > kMaxPayout) {
        throw std::invalid_argument("the payout setting is outside its range");
    }
    StdRandom random(options.seed);
    Machine machine(random);
    PlayerRecord player;
    player.machinepay = static_cast<std::int16_t>(options.payout);
    player.bank = kFloat;
    machine.switchPlayer(player);
    machine.setLinesPlayed(options.lines);

    SimulationReport report;
    for (std::uint64_t i = 0; i < options.spins; ++i) {
        // The float is topped up or skimmed off by taking in a fresh record of the same player.
        if (const std::int32_t bank = machine.player().bank;
            bank < kLowWater || bank > kHighWater) {
            player = machine.player();
            player.bank = kFloat;
            machine.switchPlayer(player);
        }
        const std::int64_t bankBefore = machine.player().bank;
        if (machine.play(kOneCreditButton) != PlayResult::Paid) {
            throw std::logic_error("the machine refused a paid spin");
        }
        const double bet = machine.totalBet();
        const std::int32_t ownWin = machine.spinWin();
        machine.settle();
        if (machine.freeSpinsActive()) {
            ++report.features;
        }
        while (machine.freeSpinsActive()) {
            if (machine.play(kOneCreditButton) != PlayResult::Free) {
                throw std::logic_error("the machine refused a free spin");
            }
            machine.settle();
            ++report.freeSpins;
        }
        if (machine.featureCompleted()) {
            machine.takeWin();
        }
        ++report.paidSpins;
        report.hits += ownWin > 0 ? 1 : 0;
        report.base.add(ownWin / bet);
        report.total.add(static_cast<double>(machine.player().bank - bankBefore + bet) / bet);
    }
    return report;
}

std::string reportOf(const SimulationOptions& options, const SimulationReport& report,
                     const Figures& exact) {
    const double spins = report.paidSpins > 0 ? static_cast<double>(report.paidSpins) : 1.0;
    char summary[512];
    std::snprintf(
        summary, sizeof summary,
        "simulated %llu paid spins: %d lines at 1 credit per line, payout 1 in %d, "
        "seed %llu\n"
        "hit_frequency measured=%.6f exact=%.6f\n"
        "trigger_probability measured=%.6f exact=%.6f\n"
        "mean_free_spins measured=%.4f exact=%.4f (%llu features, %llu free spins)\n",
        static_cast<unsigned long long>(report.paidSpins), options.lines, options.payout,
        static_cast<unsigned long long>(options.seed), report.hits / spins, exact.hitFrequency,
        report.features / spins, exact.triggerProbability,
        report.features > 0 ? static_cast<double>(report.freeSpins) / report.features : 0.0,
        exact.meanFreeSpins, static_cast<unsigned long long>(report.features),
        static_cast<unsigned long long>(report.freeSpins));
    return summary + estimateLine("rtp_base", report.base, exact.rtpBase) +
           estimateLine("rtp_total", report.total, exact.rtpTotal);
}

}  // namespace kestrel::par
