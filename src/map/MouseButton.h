#pragma once

namespace norvane {

// The mouse button of a press or release on the map.
enum class MouseButton { Left, Right, Middle };

} // namespace norvane
