#pragma once

#include "SymbolCall.h"

#include "scene/Scene.h"

#include <vector>

namespace norvane {

// For every row, the call Render2D makes for it; Op::None for a row it skips. Big scenes are
// worked through on two threads.
std::vector<SymbolCall> rowCalls(const SceneRows& rows);

// For every row, the call Render2D makes for it on a surface `widthPixels` by `heightPixels`, or
// Op::None when nothing of it shows there: a row Render2D skips, one wholly off the surface, or
// one whose pixels rectangles drawn later all paint over. A filled rectangle is taken to cover
// exactly the pixelSpan of its corners, a circle or a line to stay within its pen-widened bounds.
std::vector<SymbolCall> visibleCalls(const Scene& scene, int widthPixels, int heightPixels);

} // namespace norvane
