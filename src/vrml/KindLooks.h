#pragma once

#include <array>
#include <string_view>

namespace norvane {

// How one slab (or the shrubbery's ellipsoid) of an area kind looks in the world. Height and
// thickness carry their own surrounding spaces, as they sit between two numbers on a line.
struct SlabLook {
    std::string_view height;    // Y of the translation
    std::string_view thickness; // Y size of the box ("" for the ellipsoid)
    std::string_view colour;    // diffuseColor
};

// What an area kind writes over its rectangle.
struct AreaLook {
    std::string_view kind;
    SlabLook slab;    // the floor for "Floor/Ceiling"
    bool ellipsoid;   // a flattened textured sphere instead of a box
    bool withCeiling; // a second slab, kCeilingLook, inside the same anchor
};

inline constexpr SlabLook kCeilingLook{" 1 ", " 0.04 ", "0.9 0.9 0.9"};

// The shrubbery's ellipsoid: a sphere of `radius` scaled to the rectangle's width and depth and
// to `heightScale`, its texture repeated `repeatsPerMetre` times per metre each way and turned
// by `texRotation`.
struct EllipsoidLook {
    std::string_view radius;
    std::string_view heightScale;
    std::string_view texture;
    double repeatsPerMetre;
    std::string_view texRotation;
};

inline constexpr EllipsoidLook kEllipsoidLook{"0.5", "0.3", "source1.jpg", 3.0, "0.7"};

inline constexpr std::array<AreaLook, 5> kAreaLooks{{
    {"Floor/Ceiling", {" 0.02 ", " 0.04 ", "0.8 0.8 0.8"}, false, true},
    {"Shrubbery", {" 0.15 ", "", "1 1 1"}, true, false},
    {"Sidewalk", {" 0.02 ", " 0.04 ", "1 1 0.5"}, false, false},
    {"Street", {" 0.02 ", " 0.04 ", "0.1 0.1 0.1"}, false, false},
    {"Wall", {" 0.5 ", " 1 ", "0.6 0.6 0.6"}, false, false},
}};

// The look of an area kind, or nullptr when `kind` is not exactly one of the five names.
constexpr const AreaLook* findAreaLook(std::string_view kind) {
    for (const AreaLook& look : kAreaLooks)
        if (look.kind == kind)
            return &look;
    return nullptr;
}

// The lift and font size of a text kind's centred Text node, which has no appearance.
struct TextLook {
    std::string_view kind;
    std::string_view lift; // translation above the object's place
    std::string_view size; // font size
};

inline constexpr std::array<TextLook, 2> kTextLooks{{
    {"Text (Big)", "0 2 0", "1"},
    {"Text (Eye-Level)", "0 0.5 0", "0.5"},
}};

// The look of a text kind, or nullptr for any other name.
constexpr const TextLook* findTextLook(std::string_view kind) {
    for (const TextLook& look : kTextLooks)
        if (look.kind == kind)
            return &look;
    return nullptr;
}

} // namespace norvane
