// The 3D view: building it for a mixed scene, updating it after one placement, and the time of
// one frame on this machine's renderer (Mesa's software rasteriser under Xvfb; frames are
// skipped where there is no OpenGL), choosing what to draw of a world over the shape budget, and
// how long the window stands still while a million objects are built and drawn. Targets:
// building 100,000 objects within 200 ms, one placement in a 100,000-object scene within 16 ms.
#ifdef NORVANE_HAVE_QTCANVAS

#include "BenchApplication.h"
#include "SceneMix.h"

#include "render/WalkCamera.h"
#include "render/WorldModel.h"
#include "render/WorldSnapshot.h"
#include "render/WorldWindow.h"
#include "view3d/WorldShapes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using norvane::bench::application;

void BM_View3DBuild(benchmark::State& state) {
    application();
    norvane::Scene scene = norvane::bench::makeMixedScene(std::size_t(state.range(0)));
    for (auto _ : state) {
        WorldModel world(scene);
        benchmark::DoNotOptimize(world.shapeCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_View3DBuild)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_View3DPlaceOne(benchmark::State& state) {
    application();
    norvane::Scene scene = norvane::bench::makeMixedScene(100'000);
    WorldModel world(scene);
    for (auto _ : state)
        scene.append({"Car (Red)", " 50", " 60", "0", "", ""});
}
BENCHMARK(BM_View3DPlaceOne)->Unit(benchmark::kMillisecond);

void BM_View3DFrame(benchmark::State& state) {
    application();
    if (!canDraw3D()) {
        state.SkipWithError("no OpenGL on this display");
        return;
    }
    norvane::Scene scene = norvane::bench::makeMixedScene(std::size_t(state.range(0)));
    WorldModel world(scene);
    WalkCamera walker;
    WorldWindow window(world, walker, false);
    window.resize(640, 480);
    window.show();
    QEventLoop frames;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &frames, &QEventLoop::quit);
    frames.exec(); // the first frame uploads everything
    for (auto _ : state) {
        walker.turn(1.0); // a new view: the scene is drawn again
        frames.exec();
    }
    state.counters["shapes"] = double(world.shapeCount());
    state.counters["objects_drawn"] =
        double(world.limited() ? world.drawnObjects() : int(state.range(0)));
}
BENCHMARK(BM_View3DFrame)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// Choosing the rows nearest the eye in a world far over the shape budget, the eye moved each
// time.
void BM_View3DChooseNearest(benchmark::State& state) {
    application();
    norvane::Scene scene = norvane::bench::makeMixedScene(std::size_t(state.range(0)));
    WorldModel world(scene);
    world.setMostShapesDrawn(WorldModel::kMostShapesDrawn);
    float x = -40;
    for (auto _ : state) {
        world.setEye({x = -x, 1.6f, 10});
        world.drawNearestRows();
    }
    state.counters["drawn"] = world.drawnObjects();
}
BENCHMARK(BM_View3DChooseNearest)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Opening a big scene with the view shown, as the editor does: the world built in slices from
// the event loop, then drawn and turned a few times. Reports the time until the first frame
// after the build and the longest the event loop stood still (a 5 ms timer ticks meanwhile).
void BM_View3DShowBig(benchmark::State& state) {
    application();
    if (!canDraw3D()) {
        state.SkipWithError("no OpenGL on this display");
        return;
    }
    norvane::Scene big = norvane::bench::makeMixedScene(std::size_t(state.range(0)));
    for (auto _ : state) {
        norvane::Scene scene;
        WorldModel world(scene);
        WalkCamera walker;
        WorldWindow window(world, walker);
        window.resize(480, 600);
        int frames = 0;
        QObject::connect(&window, &QQuickWindow::frameSwapped, [&frames] { ++frames; });
        const auto waitForFrame = [&frames](int after) {
            while (frames <= after)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        };
        window.show();
        waitForFrame(0);
        QElapsedTimer clock;
        qint64 tick = 0;
        qint64 longest = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (clock.elapsed() - tick > longest)
                longest = clock.elapsed() - tick, state.counters["stall_from_ms"] = double(tick);
            tick = clock.elapsed();
        });
        int framesAtBuilt = -1;
        QObject::connect(&world, &WorldModel::buildProgressed, [&] {
            if (!world.building())
                state.counters["built_ms"] = double(clock.elapsed()), framesAtBuilt = frames;
        });
        scene = big;
        clock.start();
        ticker.start(5);
        while (framesAtBuilt < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        waitForFrame(framesAtBuilt);
        state.counters["first_frame_ms"] = double(clock.elapsed());
        for (int turns = 0; turns < 3; ++turns) {
            walker.turn(5.0);
            waitForFrame(frames);
        }
        state.counters["longest_stall_ms"] = double(longest);
    }
}
BENCHMARK(BM_View3DShowBig)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

#endif // NORVANE_HAVE_QTCANVAS
