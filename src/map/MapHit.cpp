#include "MapHit.h"

#include "MapNumber.h"
#include "MapSymbols.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

bool between(float value, float a, float b) {
    return std::min(a, b) <= value && value <= std::max(a, b);
}

bool cornersCover(const SceneRow& row, MapPoint at) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    return x1 && y1 && x2 && y2 && between(at.x, *x1, *x2) && between(at.y, *y1, *y2);
}

bool figureCovers(const Figure& figure, std::string_view text, float dx, float dy) {
    switch (figure.form) {
    case FigureForm::Box:
        return between(dx, figure.x1, figure.x2) && between(dy, figure.y1, figure.y2);
    case FigureForm::Disc:
        return std::hypot(dx, dy) <= figure.size;
    case FigureForm::LineAlongX:
        return std::abs(dx) <= lineReach(figure, text) && std::abs(dy) <= kLineHitReach;
    case FigureForm::LineAlongY:
        return std::abs(dy) <= lineReach(figure, text) && std::abs(dx) <= kLineHitReach;
    case FigureForm::Corners:
        break;
    }
    return false;
}

std::optional<std::size_t> topmostIn(const Scene& scene, MapLayer layer, MapPoint at) {
    const auto rows = scene.rows();
    for (std::size_t i = rows.size(); i-- > 0;) {
        const MapSymbol* symbol = findSymbol(rows[i].kind);
        if (symbol && symbol->layer == layer && symbolCovers(rows[i], at))
            return i;
    }
    return std::nullopt;
}

MapRect spanning(float x1, float y1, float x2, float y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
}

// The bounds of a figure drawn at its point (x, y).
MapRect boundsAt(const Figure& figure, std::string_view text, float x, float y) {
    const float reach = figure.form == FigureForm::Disc ? figure.size : lineReach(figure, text);
    switch (figure.form) {
    case FigureForm::Box:
        return spanning(x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2);
    case FigureForm::LineAlongX:
        return spanning(x - reach, y, x + reach, y);
    case FigureForm::LineAlongY:
        return spanning(x, y - reach, x, y + reach);
    case FigureForm::Disc:
    case FigureForm::Corners:
        break;
    }
    return spanning(x - reach, y - reach, x + reach, y + reach);
}

} // namespace

std::optional<MapRect> symbolBounds(const SceneRow& row) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const Figure* figure = symbol ? figureFor(*symbol, row.list5) : nullptr;
    if (!figure)
        return std::nullopt;
    return figureBounds(row, *figure);
}

std::optional<MapRect> figureBounds(const SceneRow& row, const Figure& figure) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    if (!x1 || !y1)
        return std::nullopt;
    if (figure.form != FigureForm::Corners)
        return boundsAt(figure, row.list7, *x1, *y1);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    if (!x2 || !y2)
        return std::nullopt;
    return spanning(*x1, *y1, *x2, *y2);
}

bool symbolCovers(const SceneRow& row, MapPoint at) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const Figure* figure = symbol ? figureFor(*symbol, row.list5) : nullptr;
    if (!figure)
        return false;
    if (figure->form == FigureForm::Corners)
        return cornersCover(row, at);
    const auto x = mapNumber(row.list3), y = mapNumber(row.list4);
    return x && y && figureCovers(*figure, row.list7, at.x - *x, at.y - *y);
}

std::optional<std::size_t> hitTest(const Scene& scene, MapPoint at) {
    if (const auto row = topmostIn(scene, MapLayer::Objects, at))
        return row;
    return topmostIn(scene, MapLayer::Ground, at);
}

} // namespace norvane
