// kestrel-par: the machine's exact mathematics by full enumeration of the reel stops, and a
// check of it by playing the machine itself.

#include <chrono>
#include <cstdio>
#include <exception>
#include <random>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Arguments.h"
#include "Enumeration.h"
#include "ParTable.h"
#include "Simulation.h"

namespace {

using namespace kestrel::par;

constexpr int kUsageExit = 2;

std::uint64_t seedFromDevice() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

std::string showTable(const ShowTable& command) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<ParRow> rows = parTable(enumerateAll());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (command.csv) {
        return csvOf(rows);
    }
    const double ms = std::chrono::duration<double, std::milli>(elapsed).count();
    char footer[160];
    std::snprintf(footer, sizeof footer,
                  "from all 22^5 = 5153632 stop combinations, computed in %.1f ms\n", ms);
    return "Kestrel: exact return at any bet per line, under the payout control\n\n" +
           tableOf(rows) + footer;
}

std::string runSimulation(const RunSimulation& command) {
    SimulationOptions options;
    options.spins = command.spins;
    options.seed = command.seed ? *command.seed : seedFromDevice();
    options.lines = command.lines;
    options.payout = command.payout;
    const int index = lineCountIndex(options.lines);
    const Figures exact = figuresOf(enumerateAll()[index], options.lines, options.payout);
    return reportOf(options, simulate(options), exact);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const Command command = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&command)) {
        std::fprintf(stderr, "kestrel-par: %s\n%s", error->message.c_str(), usageText().c_str());
        return kUsageExit;
    }
    try {
        std::string output;
        if (std::holds_alternative<ShowHelp>(command)) {
            output = usageText();
        } else if (const auto* table = std::get_if<ShowTable>(&command)) {
            output = showTable(*table);
        } else {
            output = runSimulation(std::get<RunSimulation>(command));
        }
        if (std::fputs(output.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
            std::perror("kestrel-par: writing the output");
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kestrel-par: %s\n", e.what());
        return 1;
    }
    return 0;
}
