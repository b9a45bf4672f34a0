#pragma once

#include <cstdint>

namespace norvane {

// A 24-bit colour as the map draws it, each part 0 to 255.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace norvane
