// Zooming the editor's map: one Ctrl+wheel step into 800 % over a scene of 100,000 objects, as
// the window runs it: the next level, the scroll position that keeps the point under the
// pointer, a new surface picture, the whole redraw with the metre grid and the selection marker
// (target: under 50 ms). Without the Qt canvas the redraw goes to a canvas that draws nothing.

#include "SceneMix.h"

#include "map/Grid.h"
#include "map/MapZoom.h"
#include "map/Render2D.h"
#include "map/SelectionMarker.h"

#include <benchmark/benchmark.h>

#ifdef NORVANE_HAVE_QTCANVAS
#include "render/MapPicture.h"
#endif

namespace {

constexpr std::size_t kObjects = 100'000;

#ifndef NORVANE_HAVE_QTCANVAS
class NoCanvas : public norvane::Canvas {
public:
    void fillRect(float, float, float, float, norvane::Rgb) override {}
    void line(float, float, float, float, norvane::Rgb) override {}
    void circle(float, float, float, norvane::Rgb) override {}
    void setPenWidth(int) override {}
    void setFillSolid() override {}
    void setFillColour(norvane::Rgb) override {}
};
#endif

// Paints the whole surface of `pixels` square, grid included.
void redraw(const norvane::Scene& scene, int pixels) {
#ifdef NORVANE_HAVE_QTCANVAS
    QImage picture = newMapPicture(pixels);
    paintMapPicture(scene, picture, norvane::gridStep(pixels));
    benchmark::DoNotOptimize(picture.constBits());
#else
    NoCanvas canvas;
    norvane::Render2D(scene, canvas, norvane::gridStep(pixels));
#endif
}

void BM_WheelZoomTo800In100k(benchmark::State& state) {
    norvane::Scene scene = norvane::bench::makeMixedScene(kObjects);
    scene.setSelectedIndex(static_cast<int>(kObjects / 2));
    const int from = norvane::surfaceTwips(norvane::ZoomLevel::Percent400);
    for (auto _ : state) {
        const auto level = norvane::steppedLevel(from, 1);
        const int twips = norvane::surfaceTwips(*level);
        benchmark::DoNotOptimize(norvane::scrollKeeping(37.5, twips, 2760));
        redraw(scene, norvane::twipsToPixels(twips));
        benchmark::DoNotOptimize(norvane::selectionMarker(scene.row(kObjects / 2), twips, twips));
    }
}

} // namespace

BENCHMARK(BM_WheelZoomTo800In100k)->Unit(benchmark::kMillisecond);
