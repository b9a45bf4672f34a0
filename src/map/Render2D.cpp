#include "Render2D.h"

#include "Grid.h"
#include "MapHit.h"
#include "MapSymbols.h"
#include "SymbolCall.h"
#include "VisibleRows.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace norvane {

namespace {

void drawLayer(const Scene& scene, MapLayer layer, Canvas& canvas) {
    for (const SceneRow& row : scene.rows()) {
        const MapSymbol* symbol = findSymbol(row.kind);
        if (!symbol || symbol->layer != layer)
            continue;
        canvas.setPenWidth(symbol->penWidth);
        if (const auto figure = figureFor(*symbol, row))
            drawSymbol(row, *symbol, *figure, canvas);
    }
}

// A row to draw again, with its symbol and figure looked up.
struct RegionRow {
    SceneRow row;
    const MapSymbol* symbol;
    TurnedFigure figure;
};

bool contains(const MapRect& outer, const MapRect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// True when the figure fills all of its bounds: a rectangle that is not turned.
bool fills(const TurnedFigure& figure) {
    const FigureForm form = figure.figure->form;
    return form == FigureForm::Corners || (form == FigureForm::Box && figure.turn.none());
}

// The rows whose symbols reach into `region`, ground rows first, each layer in scene order,
// from the last rectangle that fills all of it on: one pass over the scene.
std::vector<RegionRow> rowsReaching(const Scene& scene, const MapRect& region) {
    std::vector<RegionRow> ground, objects;
    bool groundHidden = false; // under an object that fills the region
    for (const SceneRow& row : scene.rows()) {
        const MapSymbol* symbol = findSymbol(row.kind);
        const bool onGround = symbol && symbol->layer == MapLayer::Ground;
        const std::optional<TurnedFigure> figure =
            symbol && !(onGround && groundHidden) ? figureFor(*symbol, row) : std::nullopt;
        const std::optional<MapRect> bounds = figure ? figureBounds(row, *figure) : std::nullopt;
        if (!bounds || !overlaps(*bounds, region))
            continue;
        if (fills(*figure) && contains(*bounds, region)) { // hides what its layer drew before
            ground.clear();
            groundHidden = groundHidden || !onGround;
            if (!onGround)
                objects.clear();
        }
        (onGround ? ground : objects).push_back({row, symbol, *figure});
    }
    ground.insert(ground.end(), objects.begin(), objects.end());
    return ground;
}

std::span<const PixelRun> runsOf(const VisibleCalls& visible, VisibleCalls::Runs runs) {
    return std::span(visible.runs).subspan(runs.first, runs.count);
}

// Paints the calls of `layer` that show; takes the runs of each rectangle and turned box from the
// end of `rectangles`, which the culling filled last painted first.
void drawVisibleLayer(const VisibleCalls& visible, MapLayer layer, std::size_t& rectangles,
                      Canvas& canvas) {
    for (const SymbolCall& call : std::span(visible.calls.get(), visible.count)) {
        const MapSymbol& symbol = kMapSymbols[call.symbol];
        if (call.op == SymbolCall::Op::None || call.op == SymbolCall::Op::Hidden ||
            symbol.layer != layer)
            continue;
        canvas.setPenWidth(symbol.penWidth);
        const auto& v = call.values;
        if (call.op == SymbolCall::Op::FillRect)
            canvas.fillRectShowing(v[0], v[1], v[2], v[3], symbol.colour,
                                   runsOf(visible, visible.rectangles[--rectangles]));
        else if (call.op == SymbolCall::Op::TurnedBox)
            canvas.fillPolygonShowing(turnedCorners(call), symbol.colour,
                                      runsOf(visible, visible.rectangles[--rectangles]));
        else
            drawCall(call, canvas);
    }
}

std::vector<std::size_t> skippedRows(std::span<const SymbolCall> calls) {
    std::vector<std::size_t> skipped;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].op == SymbolCall::Op::None)
            skipped.push_back(i);
    return skipped;
}

void drawStartMarker(Canvas& canvas) {
    canvas.setPenWidth(1);
    canvas.setFillSolid();
    canvas.setFillColour(kStartMarkerFill);
    canvas.circle(50.0f, 96.0f, 0.1f, kStartMarkerOutline);
}

} // namespace

void paintBackground(Canvas& canvas) {
    canvas.fillRect(0.0f, 0.0f, 100.0f, 100.0f, kMapBackground);
}

void Render2D(const Scene& scene, Canvas& canvas, float gridStep) {
    paintBackground(canvas);
    drawGrid(canvas, gridStep, {0.0f, 0.0f, 100.0f, 100.0f});
    drawLayer(scene, MapLayer::Ground, canvas);
    drawLayer(scene, MapLayer::Objects, canvas);
    drawStartMarker(canvas);
}

std::vector<std::size_t> Render2DCulled(const Scene& scene, Canvas& canvas, int widthPixels,
                                        int heightPixels, float gridStep) {
    const VisibleCalls visible = visibleCalls(scene, widthPixels, heightPixels);
    canvas.fillRectShowing(0.0f, 0.0f, 100.0f, 100.0f, kMapBackground,
                           runsOf(visible, visible.background));
    drawGrid(canvas, gridStep, {0.0f, 0.0f, 100.0f, 100.0f});
    std::size_t rectangles = visible.rectangles.size();
    for (const MapLayer layer : {MapLayer::Ground, MapLayer::Objects})
        drawVisibleLayer(visible, layer, rectangles, canvas);
    drawStartMarker(canvas);
    return skippedRows(std::span(visible.calls.get(), visible.count));
}

void Render2DRegion(const Scene& scene, Canvas& canvas, const MapRect& region, float gridStep) {
    canvas.fillRect(region.left, region.top, region.left + region.width, region.top + region.height,
                    kMapBackground);
    drawGrid(canvas, gridStep, region);
    for (const RegionRow& entry : rowsReaching(scene, region)) {
        canvas.setPenWidth(entry.symbol->penWidth);
        drawSymbol(entry.row, *entry.symbol, entry.figure, canvas);
    }
    drawStartMarker(canvas);
}

} // namespace norvane
