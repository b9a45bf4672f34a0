#include "MapHit.h"

#include "MapNumber.h"
#include "MapSymbols.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace norvane {

namespace {

bool between(float value, float a, float b) {
    return std::min(a, b) <= value && value <= std::max(a, b);
}

bool cornersCover(const SceneRow& row, MapPoint at) {
    const auto c = mapCorners(areaFields(row));
    return c && between(at.x, c->x1, c->x2) && between(at.y, c->y1, c->y2);
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

// The bounds of an unturned figure drawn at its point (x, y).
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

// The bounds of the corners of `unturned`, a figure's bounds about its point, once turned.
MapRect turnedBounds(const MapRect& unturned, MapTurn turn, MapPoint at) {
    constexpr float kFar = std::numeric_limits<float>::infinity();
    float x1 = kFar, y1 = kFar, x2 = -kFar, y2 = -kFar;
    for (const float dx : {unturned.left, unturned.left + unturned.width})
        for (const float dy : {unturned.top, unturned.top + unturned.height}) {
            const MapPoint offset = turn.apply(dx, dy);
            x1 = std::min(x1, at.x + offset.x), x2 = std::max(x2, at.x + offset.x);
            y1 = std::min(y1, at.y + offset.y), y2 = std::max(y2, at.y + offset.y);
        }
    return spanning(x1, y1, x2, y2);
}

} // namespace

std::optional<MapRect> symbolBounds(const SceneRow& row) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const auto figure = symbol ? figureFor(*symbol, row) : std::nullopt;
    if (!figure)
        return std::nullopt;
    return figureBounds(row, *figure);
}

std::optional<MapRect> figureBounds(const SceneRow& row, const TurnedFigure& turned) {
    const Figure& figure = *turned.figure;
    if (figure.form == FigureForm::Corners) {
        const auto c = mapCorners(areaFields(row));
        return c ? std::optional(spanning(c->x1, c->y1, c->x2, c->y2)) : std::nullopt;
    }
    const PointFields fields = pointFields(row);
    const auto at = mapPlace(fields);
    if (!at)
        return std::nullopt;
    if (turned.turn.none() || !turns(figure))
        return boundsAt(figure, fields.text, at->x, at->y);
    return turnedBounds(boundsAt(figure, fields.text, 0.0f, 0.0f), turned.turn, *at);
}

bool symbolCovers(const SceneRow& row, MapPoint at) {
    const MapSymbol* symbol = findSymbol(row.kind);
    const auto figure = symbol ? figureFor(*symbol, row) : std::nullopt;
    if (!figure)
        return false;
    if (figure->figure->form == FigureForm::Corners)
        return cornersCover(row, at);
    const PointFields fields = pointFields(row);
    const auto place = mapPlace(fields);
    if (!place)
        return false;
    const MapPoint offset = figure->turn.undo(at.x - place->x, at.y - place->y);
    return figureCovers(*figure->figure, fields.text, offset.x, offset.y);
}

std::optional<std::size_t> hitTest(const Scene& scene, MapPoint at) {
    if (const auto row = topmostIn(scene, MapLayer::Objects, at))
        return row;
    return topmostIn(scene, MapLayer::Ground, at);
}

} // namespace norvane
