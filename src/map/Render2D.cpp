#include "Render2D.h"

#include "MapHit.h"
#include "MapNumber.h"
#include "MapSymbols.h"

#include <initializer_list>
#include <optional>
#include <vector>

namespace norvane {

namespace {

void drawCorners(const SceneRow& row, const MapSymbol& symbol, Canvas& canvas) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    if (x1 && y1 && x2 && y2)
        canvas.fillRect(*x1, *y1, *x2, *y2, symbol.colour);
}

void drawAtPoint(const SceneRow& row, const Figure& figure, Rgb colour, Canvas& canvas) {
    const auto px = mapNumber(row.list3), py = mapNumber(row.list4);
    if (!px || !py)
        return;
    const float x = *px, y = *py;
    const auto reach = [&] { return lineReach(figure, row.list7); };
    switch (figure.form) {
    case FigureForm::Box:
        canvas.fillRect(x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2, colour);
        break;
    case FigureForm::Disc:
        canvas.setFillSolid();
        canvas.setFillColour(colour);
        canvas.circle(x, y, figure.size, colour);
        break;
    case FigureForm::LineAlongX:
        canvas.line(x - reach(), y, x + reach(), y, colour);
        break;
    case FigureForm::LineAlongY:
        canvas.line(x, y - reach(), x, y + reach(), colour);
        break;
    case FigureForm::Corners:
        break;
    }
}

bool overlaps(const MapRect& a, const MapRect& b) {
    return a.left <= b.left + b.width && b.left <= a.left + a.width && a.top <= b.top + b.height &&
           b.top <= a.top + a.height;
}

void drawRow(const SceneRow& row, const MapSymbol& symbol, const Figure& figure, Canvas& canvas) {
    if (figure.form == FigureForm::Corners)
        drawCorners(row, symbol, canvas);
    else
        drawAtPoint(row, figure, symbol.colour, canvas);
}

void drawLayer(const Scene& scene, MapLayer layer, Canvas& canvas) {
    for (const SceneRow& row : scene.rows()) {
        const MapSymbol* symbol = findSymbol(row.kind);
        if (!symbol || symbol->layer != layer)
            continue;
        canvas.setPenWidth(symbol->penWidth);
        if (const Figure* figure = figureFor(*symbol, row.list5))
            drawRow(row, *symbol, *figure, canvas);
    }
}

// A row to draw again, with its symbol and figure looked up.
struct RegionRow {
    SceneRow row;
    const MapSymbol* symbol;
    const Figure* figure;
};

// The rows whose symbols reach into `region`, ground rows first, each layer in scene order:
// one pass over the scene.
std::vector<RegionRow> rowsReaching(const Scene& scene, const MapRect& region) {
    std::vector<RegionRow> ground, objects;
    for (const SceneRow& row : scene.rows()) {
        const MapSymbol* symbol = findSymbol(row.kind);
        const Figure* figure = symbol ? figureFor(*symbol, row.list5) : nullptr;
        const std::optional<MapRect> bounds = figure ? figureBounds(row, *figure) : std::nullopt;
        if (bounds && overlaps(*bounds, region))
            (symbol->layer == MapLayer::Ground ? ground : objects).push_back({row, symbol, figure});
    }
    ground.insert(ground.end(), objects.begin(), objects.end());
    return ground;
}

bool allNumbers(std::initializer_list<std::string_view> texts) {
    for (const std::string_view text : texts)
        if (!mapNumber(text))
            return false;
    return true;
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

void Render2D(const Scene& scene, Canvas& canvas) {
    paintBackground(canvas);
    drawLayer(scene, MapLayer::Ground, canvas);
    drawLayer(scene, MapLayer::Objects, canvas);
    drawStartMarker(canvas);
}

void Render2DRegion(const Scene& scene, Canvas& canvas, const MapRect& region) {
    canvas.fillRect(region.left, region.top, region.left + region.width, region.top + region.height,
                    kMapBackground);
    for (const RegionRow& entry : rowsReaching(scene, region)) {
        canvas.setPenWidth(entry.symbol->penWidth);
        drawRow(entry.row, *entry.symbol, *entry.figure, canvas);
    }
    drawStartMarker(canvas);
}

bool drawsRow(const SceneRow& row) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const Figure* figure = symbol ? figureFor(*symbol, row.list5) : nullptr;
    if (!figure)
        return false;
    if (figure->form == FigureForm::Corners)
        return allNumbers({row.list3, row.list4, row.list5, row.list6});
    return allNumbers({row.list3, row.list4});
}

} // namespace norvane
