#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "Evaluation.h"
#include "Machine.h"
#include "RandomSource.h"
#include "SpinRecords.h"

namespace kestrel {
namespace {

constexpr std::int32_t kBank = 1'000'000'000;

Machine& machineWithCredit(Machine& machine, int payout) {
    PlayerRecord player = machine.player();
    player.machinepay = static_cast<std::int16_t>(payout);
    player.bank = kBank;
    machine.switchPlayer(player);
    return machine;
}

// One paid game as the window plays it: play and settle, then any feature it starts played out
// and taken. Argument: the payout setting.
void BM_PaidGame(benchmark::State& state) {
    StdRandom random(1);
    Machine machine(random);
    machineWithCredit(machine, static_cast<int>(state.range(0)));
    std::int64_t spins = 0;
    for (auto _ : state) {
        if (machine.player().bank < kBank / 2) {
            machineWithCredit(machine, static_cast<int>(state.range(0)));
        }
        machine.play(1);
        machine.settle();
        ++spins;
        while (machine.freeSpinsActive()) {
            machine.play(1);
            machine.settle();
            ++spins;
        }
        if (machine.featureCompleted()) {
            machine.takeWin();
        }
    }
    state.counters["paid_spins"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["all_spins"] =
        benchmark::Counter(static_cast<double>(spins), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PaidGame)->Arg(7)->Arg(4)->Arg(1);

// The stop draw: one unbiased integer in 1..22 from the machine's generator.
void BM_DrawStop(benchmark::State& state) {
    StdRandom random(2);
    RandomSource& source = random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(source.uniform(kStops));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawStop);

// The five reel procedures' records of one outcome.
void BM_RecordSpin(benchmark::State& state) {
    StdRandom random(3);
    std::vector<std::array<int, kReels>> stops(4096);
    for (auto& s : stops) {
        for (int& stop : s) {
            stop = random.uniform(kStops);
        }
    }
    SpinRecords records;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& s = stops[i++ & 4095];
        resetRecords(records);
        for (int reel = 1; reel <= kReels; ++reel) {
            recordReel(records, reel, s[reel - 1]);
        }
        benchmark::DoNotOptimize(records);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordSpin);

// Scoring one recorded outcome on 25 lines.
void BM_Evaluate(benchmark::State& state) {
    StdRandom random(4);
    std::vector<SpinRecords> outcomes(4096);
    for (auto& records : outcomes) {
        for (int reel = 1; reel <= kReels; ++reel) {
            recordReel(records, reel, random.uniform(kStops));
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluate(outcomes[i++ & 4095], 25, 1));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Evaluate);

}  // namespace
}  // namespace kestrel
