#pragma once

#include <array>
#include <string_view>

namespace norvane {

// The four orientation codes: a turn about the vertical axis in radians, kept as exact text.
inline constexpr std::string_view kFaceBackward = "3.14";
inline constexpr std::string_view kFaceForward = "0";
inline constexpr std::string_view kFaceRight = "1.57";
inline constexpr std::string_view kFaceLeft = "-1.57";

inline constexpr std::array<std::string_view, 4> kOrientationCodes{kFaceBackward, kFaceForward,
                                                                   kFaceRight, kFaceLeft};

// True when the code lies along the map's Y axis ("3.14", "0").
inline bool facesAlongY(std::string_view code) {
    return code == kFaceBackward || code == kFaceForward;
}
// True when the code lies across it ("1.57", "-1.57").
inline bool facesAlongX(std::string_view code) {
    return code == kFaceRight || code == kFaceLeft;
}

} // namespace norvane
