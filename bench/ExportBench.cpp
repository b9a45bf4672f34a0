// Time to build a whole world file from scenes of growing size; it should grow linearly.

#include "SceneMix.h"
#include "vrml/WorldWriter.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildWorld(benchmark::State& state) {
    const norvane::Scene scene =
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0)));
    const norvane::WorldOptions options{"Night Sky", "music.wav", "main"};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string world = norvane::buildWorld(scene, options);
        bytes = world.size();
        benchmark::DoNotOptimize(world.data());
    }
    state.counters["objects"] = static_cast<double>(state.range(0));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_BuildWorld)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
