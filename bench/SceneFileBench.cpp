// Time to write and read the scene file text of scenes of growing size; both should grow
// linearly.

#include "SceneMix.h"
#include "scenefile/SceneFile.h"

#include <string>

namespace {

void BM_WriteSceneText(benchmark::State& state) {
    const norvane::Scene scene =
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = norvane::writeSceneText(scene);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    norvane::bench::countObjects(state, bytes);
}

void BM_ReadSceneText(benchmark::State& state) {
    const std::string text = norvane::writeSceneText(
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        const norvane::Scene scene = norvane::readSceneText(text);
        benchmark::DoNotOptimize(scene.count());
    }
    norvane::bench::countObjects(state, text.size());
}

} // namespace

BENCHMARK(BM_WriteSceneText)->Apply(norvane::bench::growingScenes);
BENCHMARK(BM_ReadSceneText)->Apply(norvane::bench::growingScenes);
