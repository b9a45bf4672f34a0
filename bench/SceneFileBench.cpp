// Time to write and read the scene file text of scenes of growing size; both should grow
// linearly. For a 1M-object scene file: reading it into a Scene (with the heap the scene keeps,
// "scene_MB") and checking it, each from the file (targets: 0.1 s for the check).

#include "SceneFileOnDisk.h"
#include "SceneMix.h"
#include "scenefile/SceneCheck.h"
#include "scenefile/SceneFile.h"
#include "scenefile/SceneFileInput.h"

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

std::string fileText(const std::string& path) {
    return norvane::readSceneFileText(path, norvane::FileTypes::RegularOnly);
}

void BM_ReadSceneFile(benchmark::State& state) {
    const std::string& path =
        norvane::bench::mixedSceneFile(static_cast<std::size_t>(state.range(0)));
    std::size_t sceneBytes = 0;
    for (auto _ : state) {
        const std::size_t before = norvane::bench::heapBytes();
        const norvane::Scene scene = norvane::readSceneTextInPlace(fileText(path));
        sceneBytes = norvane::bench::heapBytes() - before;
        benchmark::DoNotOptimize(scene.count());
    }
    state.counters["scene_MB"] = static_cast<double>(sceneBytes) / 1e6;
    norvane::bench::countObjects(state, 0);
}

void BM_CheckSceneFile(benchmark::State& state) {
    const std::string& path =
        norvane::bench::mixedSceneFile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(norvane::checkSceneText(fileText(path)).size());
    norvane::bench::countObjects(state, 0);
}

} // namespace

BENCHMARK(BM_WriteSceneText)->Apply(norvane::bench::growingScenes);
BENCHMARK(BM_ReadSceneText)->Apply(norvane::bench::growingScenes);
BENCHMARK(BM_ReadSceneFile)->Apply(norvane::bench::millionObjects);
BENCHMARK(BM_CheckSceneFile)->Apply(norvane::bench::millionObjects);
