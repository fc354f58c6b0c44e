#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kestrel::par {

inline constexpr std::uint64_t kMinSimulatedSpins = 2;  // a spread needs two samples
inline constexpr std::uint64_t kMaxSimulatedSpins = 1'000'000'000'000;

struct ShowTable {
    bool csv = false;
};

struct RunSimulation {
    std::uint64_t spins = 0;
    std::optional<std::uint64_t> seed;  // none: a seed from the random device
    int lines = 25;
    int payout = 7;
};

struct ShowHelp {};

struct UsageError {
    std::string message;
};

using Command = std::variant<ShowTable, RunSimulation, ShowHelp, UsageError>;

// Reads the command line after the program name.
Command parseArguments(const std::vector<std::string_view>& arguments);

std::string usageText();

}  // namespace kestrel::par
