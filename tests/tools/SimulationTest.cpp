#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "Enumeration.h"
#include "Figures.h"
#include "Simulation.h"

namespace kestrel::par {
namespace {

// The 99% interval of a proportion measured in n trials.
bool proportionAgrees(std::uint64_t count, std::uint64_t n, double exact) {
    const double p = static_cast<double>(count) / static_cast<double>(n);
    return std::abs(p - exact) <= 2.5758 * std::sqrt(exact * (1 - exact) / static_cast<double>(n));
}

struct Case {
    int lines;
    int payout;
    std::uint64_t spins;
    std::uint64_t seed;
};

class SimulationAgreesWithEnumeration : public testing::TestWithParam<Case> {};

// The machine, played as the window plays it, returns what the enumeration says: its base and
// total return, hits and triggers fall within the sampling error of the exact values.
TEST_P(SimulationAgreesWithEnumeration, OnReturnsHitsAndTriggers) {
    const Case c = GetParam();
    SimulationOptions options;
    options.spins = c.spins;
    options.seed = c.seed;
    options.lines = c.lines;
    options.payout = c.payout;
    const SimulationReport report = simulate(options);
    const Figures exact = figuresOf(enumerateAll()[lineCountIndex(c.lines)], c.lines, c.payout);

    ASSERT_EQ(report.paidSpins, c.spins);
    ASSERT_EQ(report.base.count(), c.spins);
    const Interval base = report.base.interval99();
    const Interval total = report.total.interval99();
    EXPECT_TRUE(base.contains(exact.rtpBase))
        << exact.rtpBase << " outside [" << base.low << ", " << base.high << "]";
    EXPECT_TRUE(total.contains(exact.rtpTotal))
        << exact.rtpTotal << " outside [" << total.low << ", " << total.high << "]";
    EXPECT_TRUE(proportionAgrees(report.hits, report.paidSpins, exact.hitFrequency))
        << report.hits << " hits, exact " << exact.hitFrequency;
    EXPECT_TRUE(proportionAgrees(report.features, report.paidSpins, exact.triggerProbability))
        << report.features << " features, exact " << exact.triggerProbability;
}

INSTANTIATE_TEST_SUITE_P(Settings, SimulationAgreesWithEnumeration,
                         testing::Values(Case{25, 1, 600000, 1958}, Case{10, 4, 800000, 1962},
                                         Case{1, 4, 800000, 1965}, Case{25, 7, 800000, 1969}));

TEST(Simulation, SameSeedPlaysTheSameGames) {
    SimulationOptions options;
    options.spins = 20000;
    options.seed = 42;
    options.payout = 4;
    const SimulationReport a = simulate(options);
    const SimulationReport b = simulate(options);
    EXPECT_EQ(a.total.mean(), b.total.mean());
    EXPECT_EQ(a.freeSpins, b.freeSpins);
    options.seed = 43;
    EXPECT_NE(simulate(options).total.mean(), a.total.mean());
}

TEST(Simulation, RefusesSettingsTheMachineCannotPlay) {
    SimulationOptions options;
    options.spins = 10;
    options.lines = 7;
    EXPECT_THROW(simulate(options), std::invalid_argument);
    options.lines = 25;
    options.payout = 0;
    EXPECT_THROW(simulate(options), std::invalid_argument);
}

}  // namespace
}  // namespace kestrel::par
