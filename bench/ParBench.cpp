#include <benchmark/benchmark.h>

#include "Enumeration.h"
#include "ParTable.h"

namespace kestrel::par {
namespace {

// All 22^5 outcomes tallied for the five line counts.
void BM_EnumerateAll(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(enumerateAll());
    }
    state.SetItemsProcessed(state.iterations() * 22LL * 22 * 22 * 22 * 22);
}
BENCHMARK(BM_EnumerateAll)->Unit(benchmark::kMillisecond);

// What kestrel-par prints: the enumeration and the fifteen rows of figures.
void BM_ParTable(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(parTable(enumerateAll()));
    }
}
BENCHMARK(BM_ParTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrel::par
