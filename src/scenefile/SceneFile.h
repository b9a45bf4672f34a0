#pragma once

#include "scene/Scene.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// The number of lines that hold one object in a scene file.
inline constexpr std::size_t kLinesPerObject = 6;

// The scene file text of `scene`: for every row, its six values each followed by CR LF, with
// nothing added, trimmed or escaped; "" for an empty scene. Throws Error when a value holds a
// line feed, which the file could not give back.
std::string writeSceneText(const Scene& scene);

// A new scene holding the objects of a scene file text, values exactly as written (no
// validation). Accepts CR LF and LF line ends, empty lines and a last line without a line end.
// Throws Error when the number of lines is not a multiple of six.
Scene readSceneText(std::string_view text);

// As readSceneText, keeping the values inside `text` itself instead of a copy: the scene lays
// them out there and keeps `text`, which saves the memory and time of a second copy of a big
// file.
Scene readSceneTextInPlace(std::string text);

} // namespace norvane
