#include "Arguments.h"

#include <charconv>
#include <limits>

#include "Figures.h"
#include "Geometry.h"
#include "Tally.h"

namespace kestrel::par {

namespace {

// A whole decimal number in [low, high]: digits only, no sign, no spaces, nothing after.
std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t low,
                                         std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || next != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string_view>& arguments) : args_(arguments) {}

    Command run() {
        if (args_.empty()) {
            return ShowTable{};
        }
        if (args_.size() == 1 && (args_[0] == "--help" || args_[0] == "-h")) {
            return ShowHelp{};
        }
        if (args_.size() == 1 && args_[0] == "--csv") {
            return ShowTable{true};
        }
        if (args_[0] != "--simulate") {
            return UsageError{"unknown arguments"};
        }
        return simulation();
    }

private:
    Command simulation() {
        RunSimulation run;
        const auto spins = valueAfter(0, kMinSimulatedSpins, kMaxSimulatedSpins);
        if (!spins) {
            return UsageError{"SPINS must be a whole number from 2 to 1000000000000"};
        }
        run.spins = *spins;
        bool seedGiven = false, linesGiven = false, payoutGiven = false;
        for (std::size_t i = 2; i < args_.size(); i += 2) {
            const std::string_view option = args_[i];
            if (option == "--seed" && !seedGiven) {
                seedGiven = true;
                run.seed = valueAfter(i, 0, std::numeric_limits<std::uint64_t>::max());
                if (!run.seed) {
                    return UsageError{"--seed needs a whole number from 0 to 2^64 - 1"};
                }
            } else if (option == "--lines" && !linesGiven) {
                linesGiven = true;
                const auto lines = valueAfter(i, 1, kLines);
                if (!lines || lineCountIndex(static_cast<int>(*lines)) < 0) {
                    return UsageError{"--lines must be 1, 5, 10, 15 or 25"};
                }
                run.lines = static_cast<int>(*lines);
            } else if (option == "--payout" && !payoutGiven) {
                payoutGiven = true;
                const auto payout = valueAfter(i, 1, kMaxPayout);
                if (!payout) {
                    return UsageError{"--payout needs a whole number from 1 to 32767"};
                }
                run.payout = static_cast<int>(*payout);
            } else {
                return UsageError{"unknown or repeated option after --simulate"};
            }
        }
        return run;
    }

    std::optional<std::uint64_t> valueAfter(std::size_t i, std::uint64_t low,
                                            std::uint64_t high) const {
        if (i + 1 >= args_.size()) {
            return std::nullopt;
        }
        return wholeNumber(args_[i + 1], low, high);
    }

    const std::vector<std::string_view>& args_;
};

}  // namespace

Command parseArguments(const std::vector<std::string_view>& arguments) {
    return Parser(arguments).run();
}

std::string usageText() {
    return "usage: kestrel-par                 the exact table\n"
           "       kestrel-par --csv           the same as CSV\n"
           "       kestrel-par --simulate SPINS [--seed S] [--lines L] [--payout N]\n"
           "           plays SPINS paid spins through the machine at 1 credit per line\n"
           "           (defaults: 25 lines, payout 7, a seed from the random device)\n"
           "       kestrel-par --help\n";
}

}  // namespace kestrel::par
