#include <gtest/gtest.h>

#include <variant>

#include "Arguments.h"

namespace kestrel::par {
namespace {

Command parse(std::vector<std::string_view> args) {
    return parseArguments(args);
}

bool isUsageError(const Command& c) {
    return std::holds_alternative<UsageError>(c);
}

TEST(Arguments, TableAndCsv) {
    EXPECT_FALSE(std::get<ShowTable>(parse({})).csv);
    EXPECT_TRUE(std::get<ShowTable>(parse({"--csv"})).csv);
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--help"})));
    EXPECT_TRUE(isUsageError(parse({"--csv", "--csv"})));
    EXPECT_TRUE(isUsageError(parse({"csv"})));
    EXPECT_TRUE(isUsageError(parse({"--csv", "--seed", "1"})));
}

TEST(Arguments, SimulationDefaultsAndOptionsInAnyOrder) {
    const auto plain = std::get<RunSimulation>(parse({"--simulate", "1000"}));
    EXPECT_EQ(plain.spins, 1000u);
    EXPECT_FALSE(plain.seed.has_value());
    EXPECT_EQ(plain.lines, 25);
    EXPECT_EQ(plain.payout, 7);

    const auto full = std::get<RunSimulation>(parse(
        {"--simulate", "5", "--payout", "1", "--seed", "18446744073709551615", "--lines", "10"}));
    EXPECT_EQ(full.spins, 5u);
    EXPECT_EQ(full.seed, 18446744073709551615u);
    EXPECT_EQ(full.lines, 10);
    EXPECT_EQ(full.payout, 1);
    EXPECT_EQ(std::get<RunSimulation>(parse({"--simulate", "2", "--seed", "0"})).seed, 0u);
}

TEST(Arguments, SpinCountMustBeAPlainWholeNumberInRange) {
    for (const std::string_view bad : {"abc", "", "-5", "+5", "1.5", "10x", " 10", "1e6", "0", "1",
                                       "1000000000001", "99999999999999999999999999"}) {
        EXPECT_TRUE(isUsageError(parse({"--simulate", bad}))) << '"' << bad << '"';
    }
    EXPECT_TRUE(isUsageError(parse({"--simulate"})));
    EXPECT_EQ(std::get<RunSimulation>(parse({"--simulate", "1000000000000"})).spins,
              kMaxSimulatedSpins);
}

TEST(Arguments, OptionsNeedValidValuesAndAppearOnce) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--simulate", "10", "--lines", "7"},
        {"--simulate", "10", "--lines", "0"},
        {"--simulate", "10", "--lines", "-25"},
        {"--simulate", "10", "--lines"},
        {"--simulate", "10", "--payout", "0"},
        {"--simulate", "10", "--payout", "32768"},
        {"--simulate", "10", "--seed", "18446744073709551616"},
        {"--simulate", "10", "--seed", "-1"},
        {"--simulate", "10", "--seed", "1", "--seed", "2"},
        {"--simulate", "10", "--speed", "1"},
        {"--simulate", "10", "25"},
        {"--seed", "1", "--simulate", "10"},
    };
    for (const auto& args : bad) {
        EXPECT_TRUE(isUsageError(parse(args))) << args[2] << " " << args.back();
    }
}

}  // namespace
}  // namespace kestrel::par
