// Time to build a whole world file from scenes of growing size; it should grow linearly.

#include "SceneMix.h"
#include "vrml/WorldWriter.h"

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
    norvane::bench::countObjects(state, bytes);
}

} // namespace

BENCHMARK(BM_BuildWorld)->Apply(norvane::bench::growingScenes);
