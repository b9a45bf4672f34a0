#pragma once

#include "WorldShapes.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace norvane {

// A text can be read up to this many metres away per metre of its drawn height, and the 3D view
// draws at most kMostTexts texts, since each costs the renderer a layer of its own.
inline constexpr double kReadingDistance = 60.0;
inline constexpr std::size_t kMostTexts = 200;

// How much a text's place scales it (the man's enclosing scale, for example): the length of the
// place's first column.
double textScale(const TextInstance& text);

// The texts of `texts` within reading distance of `eye` whose rows `isDrawn` accepts, nearest
// first (ties to the first text) and at most kMostTexts of them, as indices into `texts`.
// Distances are measured in single precision, as the view keeps its eye.
std::vector<std::size_t> readableTexts(const std::vector<TextInstance>& texts, Vec3 eye,
                                       const std::function<bool(int)>& isDrawn);

} // namespace norvane
