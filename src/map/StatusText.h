#pragma once

#include "MapPoint.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// The texts of the editor's status bar.

// The pointer's position as a placement would store it: "X 12.5, Y 40".
std::string positionText(MapPoint at);
// What a click on the map does: the chosen kind, or "Select" when none is chosen.
std::string modeText(std::string_view chosenKind);
// "1 object", "12 objects".
std::string countText(std::size_t objects);

} // namespace norvane
