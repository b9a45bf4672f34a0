#pragma once

#include "MapPoint.h"
#include "MapRect.h"
#include "MapSymbols.h"

#include "scene/Scene.h"

#include <cstddef>
#include <optional>

namespace norvane {

// How far from a text's line a click still hits it, in map units (about a pixel at 100 %).
inline constexpr float kLineHitReach = 0.3f;

// The row whose map symbol lies under `at` and is drawn on top there: the last such row of the
// objects layer, else the last such row of the ground layer. The hit area is the symbol as the
// map draws it (edges included); rows the map skips are never hit. Nothing when no row is there.
std::optional<std::size_t> hitTest(const Scene& scene, MapPoint at);

// True when the map symbol of `row` covers `at`.
bool symbolCovers(const SceneRow& row, MapPoint at);

// The rectangle the map symbol of `row` lies in, without its pen (the bounds of a turned
// figure's corners); nothing for a row the map skips.
std::optional<MapRect> symbolBounds(const SceneRow& row);
// The same for a row whose figure the caller has looked up already.
std::optional<MapRect> figureBounds(const SceneRow& row, const TurnedFigure& figure);

} // namespace norvane
