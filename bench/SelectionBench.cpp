// Selecting and moving every object of a 100,000-object scene in the real window: one step of
// the drag with the map redrawn (target: 50 ms), the undo of that move with the map redrawn
// (target: 100 ms), and a rubber band's pointer move with its release selecting (target: 16 ms).
#ifdef NORVANE_HAVE_APP

#include "BenchApplication.h"
#include "SceneMix.h"

#include "app/MainEditor.h"
#include "app/QtServices.h"
#include "map/MapHit.h"

#include <QAction>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kObjects = 100'000;

// The window over the scene, all of it selected, with the map painted once.
struct SelectedWindow {
    QTemporaryDir folder;
    QtServices services{
        (norvane::bench::application(), QStandardPaths::setTestModeEnabled(true), folder.path())};
    MainEditor editor{services.services()};

    SelectedWindow() {
        editor.scene() = norvane::bench::makeMixedScene(kObjects);
        editor.refreshSceneList();
        editor.Render2D();
        editor.mnuSelectItem_Click();
        editor.mnuSelectAllItem_Click();
        editor.Picture1->image();
    }

    // The middle of the first object the map draws.
    norvane::MapPoint onAnObject() {
        for (const norvane::SceneRow& row : editor.scene().rows())
            if (const auto bounds = norvane::symbolBounds(row))
                return {bounds->left + bounds->width / 2, bounds->top + bounds->height / 2};
        return {};
    }
};

void BM_DragAllOf100k(benchmark::State& state) {
    SelectedWindow window;
    const norvane::MapPoint at = window.onAnObject();
    window.editor.Picture1_MouseDown(norvane::MouseButton::Left, at);
    float offset = 0.5f;
    for (auto _ : state) {
        window.editor.Picture1_MouseMove({at.x + offset, at.y});
        window.editor.Picture1->image();
        offset = -offset;
    }
    window.editor.Picture1_MouseUp(norvane::MouseButton::Left, at);
}

void BM_UndoMoveOfAll100k(benchmark::State& state) {
    SelectedWindow window;
    const norvane::MapPoint at = window.onAnObject();
    window.editor.Picture1_MouseDown(norvane::MouseButton::Left, at);
    window.editor.Picture1_MouseMove({at.x + 1.0f, at.y});
    window.editor.Picture1_MouseUp(norvane::MouseButton::Left, {at.x + 1.0f, at.y});
    for (auto _ : state) {
        window.editor.mnuUndoItem->trigger();
        window.editor.Picture1->image();
        state.PauseTiming();
        window.editor.mnuRedoItem->trigger();
        window.editor.Picture1->image();
        state.ResumeTiming();
    }
}

void BM_RubberBandIn100k(benchmark::State& state) {
    SelectedWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.editor.Picture1_MouseDown(norvane::MouseButton::Left, {-1.0f, -1.0f});
        state.ResumeTiming();
        window.editor.Picture1_MouseMove({50.0f, 50.0f});
        window.editor.Picture1_MouseUp(norvane::MouseButton::Left, {50.0f, 50.0f});
        window.editor.Picture1->image();
    }
}

} // namespace

BENCHMARK(BM_DragAllOf100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoMoveOfAll100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RubberBandIn100k)->Unit(benchmark::kMillisecond);

#endif
