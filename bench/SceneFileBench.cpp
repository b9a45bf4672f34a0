// Time to write and read the scene file text of scenes of growing size; both should grow
// linearly.

#include "SceneMix.h"
#include "scenefile/SceneFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void countObjects(benchmark::State& state, std::size_t bytes) {
    state.counters["objects"] = static_cast<double>(state.range(0));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_WriteSceneText(benchmark::State& state) {
    const norvane::Scene scene =
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = norvane::writeSceneText(scene);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    countObjects(state, bytes);
}

void BM_ReadSceneText(benchmark::State& state) {
    const std::string text = norvane::writeSceneText(
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        const norvane::Scene scene = norvane::readSceneText(text);
        benchmark::DoNotOptimize(scene.rows().data());
    }
    countObjects(state, text.size());
}

} // namespace

BENCHMARK(BM_WriteSceneText)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadSceneText)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
