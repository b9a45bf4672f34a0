#pragma once

#include "Canvas.h"
#include "MapSymbols.h"

#include "scene/SceneObject.h"

#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

// The one drawing call that the map symbol of a row makes, in map units; SymbolCall{} is the
// call of a row that draws nothing. TurnedBox is the box of the symbol's forward figure
// (facingY) turned about the row's point. Hidden marks a call that culling left out because
// nothing of it shows. Trivial, so that big arrays of calls are not cleared before they are
// filled.
struct SymbolCall {
    enum class Op : std::uint8_t { None, FillRect, Line, Circle, TurnedBox, Hidden };
    Op op;
    std::uint8_t symbol; // index in kMapSymbols
    // Corners, line ends, centre and radius, or a turned box's point and its turn's cos and sin.
    std::array<float, 4> values;
};

// The call for `row` in `figure` of `symbol`; Op::None when a coordinate it needs is not a
// number.
SymbolCall symbolCall(const SceneRow& row, const MapSymbol& symbol, const TurnedFigure& figure);

// The corners of a TurnedBox call, in order around it.
std::array<MapPoint, 4> turnedCorners(const SymbolCall& call);

// Makes `call` on `canvas` in its symbol's colour, after setting the fill for a disc; leaves the
// pen width to the caller. Draws nothing for Op::None and Op::Hidden.
void drawCall(const SymbolCall& call, Canvas& canvas);

// Draws the map symbol of `row` in `figure` of `symbol`: drawCall of its symbolCall.
void drawSymbol(const SceneRow& row, const MapSymbol& symbol, const TurnedFigure& figure,
                Canvas& canvas);

} // namespace norvane
