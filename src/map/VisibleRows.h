#pragma once

#include "scene/Scene.h"

#include <cstdint>
#include <vector>

namespace norvane {

// Marks a row that draws nothing on the surface.
inline constexpr std::uint8_t kNoSymbol = 0xFF;

// For every row, the index in kMapSymbols of the symbol Render2D draws for it on a surface
// `widthPixels` by `heightPixels`, or kNoSymbol when it draws nothing there: a row Render2D
// skips, one wholly off the surface, or one whose pixels rectangles drawn later all paint over.
// A filled rectangle is taken to cover exactly the pixelSpan of its corners, a circle or a line
// to stay within its pen-widened bounds.
std::vector<std::uint8_t> visibleSymbols(const Scene& scene, int widthPixels, int heightPixels);

} // namespace norvane
