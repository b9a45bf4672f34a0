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

bool cornersCover(const SceneObject& row, MapPoint at) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    return x1 && y1 && x2 && y2 && between(at.x, *x1, *x2) && between(at.y, *y1, *y2);
}

bool figureCovers(const Figure& figure, const std::string& text, float dx, float dy) {
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

} // namespace

bool symbolCovers(const SceneObject& row, MapPoint at) {
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
