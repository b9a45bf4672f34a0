#pragma once

#include <array>
#include <string_view>

namespace norvane {

// The fixed parts of every world, as data: the world writer writes them and the 3D view draws
// them. Numbers are kept as the texts the world carries.

// The texture files the worlds name, texture number 1..5 in this order; they lie beside a world
// that names them and are embedded in one that carries them.
inline constexpr std::array<std::string_view, 5> kTextureFiles{
    "source1.jpg", "source2.jpg", "source3.jpg", "source4.jpg", "source5.jpg"};

// Where the visitor starts (looking along -Z with VRML's default 45 degree field of view).
inline constexpr std::string_view kViewpointPosition = "0 0.5 46";
inline constexpr std::string_view kViewpointDescription = "Starting Point ";

// How high above the ground a point object's frame stands, with the spaces around it that it has
// between the two coordinates of its translation.
inline constexpr std::string_view kPointLift = " 0.03 ";

// The world's directional lights: one along the view from the start, one straight down, so the
// ground and the tops of objects are lit. VRML browsers add a headlight of their own.
inline constexpr std::array<std::string_view, 2> kLightDirections{"0 0 -1", "0 -1 0"};

// A sky: the Background's colours from straight up downwards, and the angles from straight up
// at which the colours after the first are reached ("" when there is only one colour).
struct Sky {
    std::string_view name;
    std::string_view colours;
    std::string_view angles;
};

// The first entry is also the sky of any name not in the table.
inline constexpr std::array<Sky, 4> kSkies{{
    {"Blue Sky", "0.1 0.1 1, 0.3 0.3 1, 0.5 0.5 1, 0.7 0.7 1", "0.5, 1, 1.57"},
    {"Night Sky", "0.1 0.1 0.2, 0.05 0.05 0.1, 0.025 0.025 0.05, 0.0125 0.0125 0.025",
     "0.5, 1, 1.57"},
    {"Black", "0 0 0", ""},
    {"White", "1 1 1", ""},
}};

// The sky called exactly `name`, or the first one for any other name.
constexpr const Sky& skyNamed(std::string_view name) {
    for (const Sky& sky : kSkies)
        if (sky.name == name)
            return sky;
    return kSkies.front();
}

// The ground: a textured box whose top face lies at height 0.
struct GroundLook {
    std::string_view translation;
    std::string_view size;
    std::string_view colour;
    std::string_view texture;
    std::string_view texScale;
};

inline constexpr GroundLook kGroundLook{"0 -0.25 0", "120 0.5 120", "0 0.9 0", "source1.jpg",
                                        "72 72"};

} // namespace norvane
