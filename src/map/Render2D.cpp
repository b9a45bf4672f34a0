#include "Render2D.h"

#include "MapNumber.h"
#include "MapSymbols.h"

#include <initializer_list>
#include <optional>

namespace norvane {

namespace {

void drawCorners(const SceneObject& row, const MapSymbol& symbol, Canvas& canvas) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    if (x1 && y1 && x2 && y2)
        canvas.fillRect(*x1, *y1, *x2, *y2, symbol.colour);
}

void drawAtPoint(const SceneObject& row, const Figure& figure, Rgb colour, Canvas& canvas) {
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

void drawLayer(const Scene& scene, MapLayer layer, Canvas& canvas) {
    for (const SceneObject& row : scene.rows()) {
        const MapSymbol* symbol = findSymbol(row.kind);
        if (!symbol || symbol->layer != layer)
            continue;
        canvas.setPenWidth(symbol->penWidth);
        const Figure* figure = figureFor(*symbol, row.list5);
        if (!figure)
            continue;
        if (figure->form == FigureForm::Corners)
            drawCorners(row, *symbol, canvas);
        else
            drawAtPoint(row, *figure, symbol->colour, canvas);
    }
}

bool allNumbers(std::initializer_list<const std::string*> texts) {
    for (const std::string* text : texts)
        if (!mapNumber(*text))
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

bool drawsRow(const SceneObject& row) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const Figure* figure = symbol ? figureFor(*symbol, row.list5) : nullptr;
    if (!figure)
        return false;
    if (figure->form == FigureForm::Corners)
        return allNumbers({&row.list3, &row.list4, &row.list5, &row.list6});
    return allNumbers({&row.list3, &row.list4});
}

} // namespace norvane
