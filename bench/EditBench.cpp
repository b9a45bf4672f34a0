// Editing in a scene of 100,000 objects: hit-testing one click on the map (target: under 5 ms),
// and undoing and redoing a removal with the map redrawn where the object was, at 100 % (target:
// under 16 ms each).
// The undo benchmarks need the editor's commands, so they exist only where Qt is built.

#include "SceneMix.h"

#include "map/MapHit.h"

#include <benchmark/benchmark.h>

#ifdef NORVANE_HAVE_APP
#include "app/RemoveObjectCommand.h"
#include "map/MapZoom.h"
#include "render/MapPicture.h"

#include <QUndoStack>
#endif

namespace {

constexpr std::size_t kObjects = 100'000;

void BM_HitTestIn100k(benchmark::State& state) {
    const norvane::Scene scene = norvane::bench::makeMixedScene(kObjects);
    float x = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvane::hitTest(scene, {x, 100.0f - x}));
        x = x >= 100.0f ? 0.0f : x + 0.37f;
    }
}

// The slowest click: off the map, where every row of both layers is looked at.
void BM_HitTestMissIn100k(benchmark::State& state) {
    const norvane::Scene scene = norvane::bench::makeMixedScene(kObjects);
    for (auto _ : state)
        benchmark::DoNotOptimize(norvane::hitTest(scene, {-1.0f, -1.0f}));
}

#ifdef NORVANE_HAVE_APP
// The scene, its undo stack holding the removal of a middle row, and the map the window redraws.
struct RemovalBench {
    norvane::Scene scene = norvane::bench::makeMixedScene(kObjects);
    QImage map = newMapPicture(
        norvane::twipsToPixels(norvane::surfaceTwips(norvane::ZoomLevel::Percent100)));
    QUndoStack stack;

    RemovalBench() {
        SceneEditTarget target{&scene, [this](int row, const auto& touched) {
                                   scene.setSelectedIndex(row);
                                   for (const norvane::SceneObject& object : touched)
                                       if (const auto bounds = norvane::symbolBounds(object))
                                           paintMapRegion(scene, map, *bounds);
                               }};
        stack.push(new RemoveObjectCommand(target, kObjects / 2, kRemoveVerb));
    }
};

void BM_UndoRemovalIn100k(benchmark::State& state) {
    RemovalBench bench;
    for (auto _ : state) {
        bench.stack.undo();
        state.PauseTiming();
        bench.stack.redo();
        state.ResumeTiming();
    }
}

void BM_RedoRemovalIn100k(benchmark::State& state) {
    RemovalBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.stack.undo();
        state.ResumeTiming();
        bench.stack.redo();
    }
}

BENCHMARK(BM_UndoRemovalIn100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoRemovalIn100k)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK(BM_HitTestIn100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTestMissIn100k)->Unit(benchmark::kMillisecond);
