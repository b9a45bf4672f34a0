#pragma once

#include "scene/Scene.h"

#include <cstddef>

namespace norvane::bench {

// A scene of `objects` rows in a realistic mix: mostly trees, cars, lamps and street furniture,
// some streets, sidewalks and walls, a few text signs; about one in ten with an anchor.
// The same count always gives the same scene.
Scene makeMixedScene(std::size_t objects);

} // namespace norvane::bench
