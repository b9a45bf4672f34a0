#pragma once

#include <array>
#include <string_view>

namespace norvane {

// Whether a kind stands at one map point with an orientation, or covers a rectangle.
enum class Shape { Point, Area };

// One entry of the fixed catalogue of object kinds.
struct KindInfo {
    std::string_view name;      // shown in the catalogue list and stored in every row
    Shape shape;                // placed by a click (point) or by dragging a rectangle (area)
    bool isText;                // asks for a display text at placement
    std::string_view modelName; // DEF name of its model; "" for text and area kinds
    int libraryEntry;           // index into the model library; -1 when there is no model
};

inline constexpr std::string_view kClickHint = "Click to insert the object";
inline constexpr std::string_view kDragHint = "Drag out a rectangle to insert the object.";

// The 28 kinds in the order the catalogue list shows them (alphabetical).
inline constexpr std::array<KindInfo, 28> kCatalogue{{
    {"Arrow Sign", Shape::Point, false, "Arrow", 12},
    {"Bench", Shape::Point, false, "Bench", 9},
    {"Car (Blue)", Shape::Point, false, "BlueCar", 8},
    {"Car (Red)", Shape::Point, false, "RedCar", 7},
    {"Chair", Shape::Point, false, "Chair", 13},
    {"Desk", Shape::Point, false, "Desk", 16},
    {"Door", Shape::Point, false, "Door", 11},
    {"Floor/Ceiling", Shape::Area, false, "", -1},
    {"Fountain", Shape::Point, false, "Fountain", 3},
    {"Fred", Shape::Point, false, "Man", 10},
    {"House", Shape::Point, false, "House", 4},
    {"Light Post", Shape::Point, false, "LightPost", 1},
    {"Mailbox", Shape::Point, false, "Mailbox", 20},
    {"Office Building (Cylinder)", Shape::Point, false, "OfficeBC", 5},
    {"Office Building (Rectangular)", Shape::Point, false, "OfficeBR", 2},
    {"Potted Plant", Shape::Point, false, "Plant", 17},
    {"Shelf", Shape::Point, false, "Shelf", 18},
    {"Shrubbery", Shape::Area, false, "", -1},
    {"Sidewalk", Shape::Area, false, "", -1},
    {"Speed Limit Sign", Shape::Point, false, "SpeedLimit", 6},
    {"Street", Shape::Area, false, "", -1},
    {"Table (Round)", Shape::Point, false, "TableR", 14},
    {"Table (Square)", Shape::Point, false, "TableS", 15},
    {"Television", Shape::Point, false, "TV", 19},
    {"Text (Big)", Shape::Point, true, "", -1},
    {"Text (Eye-Level)", Shape::Point, true, "", -1},
    {"Tree", Shape::Point, false, "Tree", 0},
    {"Wall", Shape::Area, false, "", -1},
}};

// The catalogue entry whose name equals `name` exactly (case-sensitive), or nullptr.
const KindInfo* findKind(std::string_view name);

// True exactly for "Street", "Sidewalk", "Shrubbery", "Floor/Ceiling" and "Wall".
bool isAreaKind(std::string_view name);
// True for every kind but the five area kinds, whose rows hold corners instead of an
// orientation: names outside the catalogue are written as points, and turn like them.
bool isTurnable(std::string_view name);
// True exactly for "Text (Big)" and "Text (Eye-Level)".
bool isTextKind(std::string_view name);
// The map hint shown when the kind is chosen: the drag hint for area kinds, else the click hint.
std::string_view placementHint(std::string_view name);
// The model name of a furnished kind; "" for every other name.
std::string_view modelName(std::string_view name);

} // namespace norvane
