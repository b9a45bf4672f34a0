// Zooming the editor's map: one Ctrl+wheel step into 800 % over a scene of 100,000 objects, as
// the window runs it: the next level, the scroll position that keeps the point under the
// pointer, a new surface picture, the redraw of the part in the viewport (the surface paints
// the rest as it comes into view) with the metre grid, and the selection marker (target: under
// 50 ms). For comparison, the whole 2904-pixel surface at once. Without the Qt canvas the redraw
// goes to a canvas that draws nothing.

#include "SceneMix.h"

#include "map/Grid.h"
#include "map/MapZoom.h"
#include "map/Render2D.h"
#include "map/SelectionMarker.h"

#include <benchmark/benchmark.h>

#include <optional>

#ifdef NORVANE_HAVE_QTCANVAS
#include "render/MapPicture.h"
#endif

namespace {

constexpr std::size_t kObjects = 100'000;

#ifndef NORVANE_HAVE_QTCANVAS
class NoCanvas : public norvane::Canvas {
public:
    void fillRect(float, float, float, float, norvane::Rgb) override {}
    void fillPolygon(std::span<const norvane::MapPoint>, norvane::Rgb) override {}
    void line(float, float, float, float, norvane::Rgb) override {}
    void circle(float, float, float, norvane::Rgb) override {}
    void setPenWidth(int) override {}
    void setFillSolid() override {}
    void setFillColour(norvane::Rgb) override {}
};
#endif

// The editor's viewport at its smallest, in map units at 800 %, from its left and top edge.
norvane::MapRect viewportAt800(int scrollTwips) {
    const float edge = static_cast<float>(scrollTwips) * 100.0f / 43560.0f;
    const float size = 5535.0f * 100.0f / 43560.0f;
    return {edge, edge, size, size};
}

// Paints `region` (or, with none, all) of a new surface of `pixels` square, grid included.
void redraw(const norvane::Scene& scene, int pixels, std::optional<norvane::MapRect> region) {
    const float grid = norvane::gridStep(pixels);
#ifdef NORVANE_HAVE_QTCANVAS
    QImage picture = newMapPicture(pixels);
    if (region)
        paintMapRegion(scene, picture, *region, grid);
    else
        paintMapPicture(scene, picture, grid);
    benchmark::DoNotOptimize(picture.constBits());
#else
    NoCanvas canvas;
    if (region)
        norvane::Render2DRegion(scene, canvas, *region, grid);
    else
        norvane::Render2D(scene, canvas, grid);
#endif
}

void zoomTo800(benchmark::State& state, bool wholeSurface) {
    norvane::Scene scene = norvane::bench::makeMixedScene(kObjects);
    scene.setSelectedIndex(static_cast<int>(kObjects / 2));
    const int from = norvane::surfaceTwips(norvane::ZoomLevel::Percent400);
    for (auto _ : state) {
        const auto level = norvane::steppedLevel(from, 1);
        const int twips = norvane::surfaceTwips(*level);
        const int scroll = norvane::scrollKeeping(37.5, twips, 2760);
        redraw(scene, norvane::twipsToPixels(twips),
               wholeSurface ? std::nullopt : std::optional(viewportAt800(scroll)));
        benchmark::DoNotOptimize(norvane::selectionMarker(scene.row(kObjects / 2), twips, twips));
    }
}

void BM_WheelZoomTo800In100k(benchmark::State& state) {
    zoomTo800(state, false);
}

void BM_WholeSurfaceAt800In100k(benchmark::State& state) {
    zoomTo800(state, true);
}

} // namespace

BENCHMARK(BM_WheelZoomTo800In100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeSurfaceAt800In100k)->Unit(benchmark::kMillisecond);
