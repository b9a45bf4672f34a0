#pragma once

#include "MapTurn.h"
#include "Rgb.h"

#include "scene/Catalogue.h"
#include "scene/RowFields.h"

#include <array>
#include <optional>
#include <string_view>

namespace norvane {

// How one symbol is drawn. Offsets and sizes are map units.
enum class FigureForm {
    Corners,    // filled rectangle between the stored corners (X1, Y1) and (X2, Y2)
    Box,        // filled rectangle from (x + x1, y + y1) to (x + x2, y + y2)
    Disc,       // filled circle of radius `size` around (x, y)
    LineAlongX, // line from (x - size * n, y) to (x + size * n, y), n = characters of the text
    LineAlongY, // line from (x, y - size * n) to (x, y + size * n)
};

struct Figure {
    FigureForm form = FigureForm::Corners;
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
    float size = 0.0f;
};

// Ground kinds are painted in a first pass, under every other object.
enum class MapLayer { Ground, Objects };

// The map symbol of one catalogue kind. Two-figure kinds pick `facingY` for the codes "3.14"
// and "0", `facingX` for "1.57" and "-1.57"; one-figure kinds draw `facingY` for all four.
// Any other angle turns `facingY`, the figure facing forward (figureFor).
struct MapSymbol {
    std::string_view kind;
    MapLayer layer;
    bool oneFigure;
    Figure facingY;
    Figure facingX;
    Rgb colour;
    int penWidth;
};

namespace symbol {
constexpr Figure corners() {
    return {};
}
constexpr Figure box(float a, float b) {
    return {FigureForm::Box, -a, -b, a, b, 0.0f};
}
constexpr Figure disc(float r) {
    return {FigureForm::Disc, 0, 0, 0, 0, r};
}
constexpr Figure alongX(float perChar) {
    return {FigureForm::LineAlongX, 0, 0, 0, 0, perChar};
}
constexpr Figure alongY(float perChar) {
    return {FigureForm::LineAlongY, 0, 0, 0, 0, perChar};
}
// The cars facing forward or backward are not centred on their point.
constexpr Figure carLengthwise() {
    return {FigureForm::Box, -0.3f, -0.75f, 0.5f, 0.75f, 0.0f};
}
} // namespace symbol

// One row per catalogue kind, in catalogue order.
inline constexpr std::array<MapSymbol, kCatalogue.size()> kMapSymbols{{
    // clang-format off
    {"Arrow Sign", MapLayer::Objects, false, symbol::box(0.05f, 0.35f), symbol::box(0.35f, 0.05f), {200, 200, 200}, 1},
    {"Bench", MapLayer::Objects, false, symbol::box(0.4f, 0.1f), symbol::box(0.1f, 0.4f), {100, 75, 0}, 1},
    {"Car (Blue)", MapLayer::Objects, false, symbol::carLengthwise(), symbol::box(0.75f, 0.3f), {0, 0, 255}, 1},
    {"Car (Red)", MapLayer::Objects, false, symbol::carLengthwise(), symbol::box(0.75f, 0.3f), {255, 0, 0}, 1},
    {"Chair", MapLayer::Objects, false, symbol::box(0.1f, 0.1f), symbol::box(0.1f, 0.1f), {100, 75, 0}, 1},
    {"Desk", MapLayer::Objects, false, symbol::box(0.315f, 0.16f), symbol::box(0.16f, 0.315f), {80, 55, 0}, 1},
    {"Door", MapLayer::Objects, false, symbol::box(0.2f, 0.01f), symbol::box(0.01f, 0.2f), {255, 0, 0}, 1},
    {"Floor/Ceiling", MapLayer::Ground, true, symbol::corners(), symbol::corners(), {120, 120, 120}, 1},
    {"Fountain", MapLayer::Objects, true, symbol::disc(1.0f), symbol::disc(1.0f), {0, 0, 255}, 1},
    {"Fred", MapLayer::Objects, false, symbol::box(0.1f, 0.1f), symbol::box(0.1f, 0.1f), {255, 0, 0}, 1},
    {"House", MapLayer::Objects, true, symbol::box(1.5f, 1.5f), symbol::box(1.5f, 1.5f), {200, 0, 0}, 1},
    {"Light Post", MapLayer::Objects, false, symbol::box(0.1f, 0.5f), symbol::box(0.5f, 0.1f), {255, 255, 0}, 1},
    {"Mailbox", MapLayer::Objects, false, symbol::box(0.05f, 0.15f), symbol::box(0.15f, 0.05f), {240, 240, 240}, 1},
    {"Office Building (Cylinder)", MapLayer::Objects, true, symbol::disc(5.0f), symbol::disc(5.0f), {0, 0, 0}, 1},
    {"Office Building (Rectangular)", MapLayer::Objects, true, symbol::box(5.0f, 5.0f), symbol::box(5.0f, 5.0f), {0, 0, 0}, 1},
    {"Potted Plant", MapLayer::Objects, true, symbol::disc(0.3f), symbol::disc(0.3f), {0, 125, 0}, 1},
    {"Shelf", MapLayer::Objects, false, symbol::box(0.35f, 0.15f), symbol::box(0.15f, 0.35f), {80, 55, 0}, 1},
    {"Shrubbery", MapLayer::Objects, true, symbol::corners(), symbol::corners(), {0, 125, 0}, 1},
    {"Sidewalk", MapLayer::Ground, true, symbol::corners(), symbol::corners(), {255, 255, 192}, 1},
    {"Speed Limit Sign", MapLayer::Objects, false, symbol::box(0.2f, 0.1f), symbol::box(0.1f, 0.2f), {200, 200, 200}, 1},
    {"Street", MapLayer::Ground, true, symbol::corners(), symbol::corners(), {60, 60, 60}, 1},
    {"Table (Round)", MapLayer::Objects, true, symbol::disc(0.4f), symbol::disc(0.4f), {80, 55, 0}, 1},
    {"Table (Square)", MapLayer::Objects, false, symbol::box(0.4f, 0.4f), symbol::box(0.4f, 0.4f), {80, 55, 0}, 1},
    {"Television", MapLayer::Objects, false, symbol::box(0.15f, 0.12f), symbol::box(0.12f, 0.15f), {80, 55, 0}, 1},
    {"Text (Big)", MapLayer::Objects, false, symbol::alongX(0.25f), symbol::alongY(0.25f), {255, 255, 255}, 2},
    {"Text (Eye-Level)", MapLayer::Objects, false, symbol::alongX(0.125f), symbol::alongY(0.15f), {255, 255, 255}, 1},
    {"Tree", MapLayer::Objects, true, symbol::disc(0.5f), symbol::disc(0.5f), {0, 125, 0}, 1},
    {"Wall", MapLayer::Objects, true, symbol::corners(), symbol::corners(), {153, 153, 153}, 1},
    // clang-format on
}};

// The symbol of the kind named exactly `kind`, or nullptr for a name outside the catalogue.
const MapSymbol* findSymbol(std::string_view kind);

// A figure as one row draws it: one of its symbol's figures, turned about the row's point (only
// `facingY` is ever turned).
struct TurnedFigure {
    const Figure* figure;
    MapTurn turn;
};

// True for the figures a turn changes: boxes and lines, not discs or an area's corners.
inline bool turns(const Figure& figure) {
    return figure.form != FigureForm::Disc && figure.form != FigureForm::Corners;
}

// The figure to draw for an object with orientation `code`: for a code, or a number that stands
// for one (quarterCode), its figure as it is; for any other angle `facingY` turned by it. A text
// that is no number gives a one-figure kind `facingY` and a two-figure kind nothing. Figures
// that no turn changes are drawn as they are, whatever the code.
std::optional<TurnedFigure> figureFor(const MapSymbol& symbol, std::string_view code);
// The figure to draw for `row`, an object of `symbol`'s kind (an area kind's row holds no
// orientation).
inline std::optional<TurnedFigure> figureFor(const MapSymbol& symbol, const SceneRow& row) {
    return figureFor(symbol,
                     turns(symbol.facingY) ? pointFields(row).orientation : std::string_view());
}

// How far a text line reaches from its point on either side: the figure's size per character of
// `text`, counted in UTF-8 characters.
float lineReach(const Figure& figure, std::string_view text);

} // namespace norvane
