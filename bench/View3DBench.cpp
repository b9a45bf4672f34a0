// The 3D view: building it for a mixed scene, updating it after one placement, and the time of
// one frame on this machine's renderer (Mesa's software rasteriser under Xvfb; frames are
// skipped where there is no OpenGL). Targets: building 100,000 objects within 200 ms, one
// placement in a 100,000-object scene within 16 ms.
#ifdef NORVANE_HAVE_QTCANVAS

#include "SceneMix.h"

#include "render/WalkCamera.h"
#include "render/WorldModel.h"
#include "render/WorldSnapshot.h"
#include "render/WorldWindow.h"
#include "view3d/WorldShapes.h"

#include <QEventLoop>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The benchmarks share one application; without a display it draws nothing.
QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "norvane_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

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
}
BENCHMARK(BM_View3DFrame)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

#endif // NORVANE_HAVE_QTCANVAS
