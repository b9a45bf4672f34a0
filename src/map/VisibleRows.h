#pragma once

#include "PixelRun.h"
#include "SymbolCall.h"

#include "scene/Scene.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace norvane {

// For every row, the call Render2D makes for it; Op::None for a row it skips. Big scenes are
// worked through on two threads.
std::vector<SymbolCall> rowCalls(const SceneRows& rows);

// What Render2D paints on a surface, row by row, leaving out what does not show there.
struct VisibleCalls {
    // Which of a filled rectangle's or turned box's pixel runs show: runs[first, first + count).
    struct Runs {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    // For every row, its call; Op::None for a row Render2D skips, Op::Hidden for one wholly off
    // the surface or whose pixels the rectangles and turned boxes drawn later all paint over.
    std::unique_ptr<SymbolCall[]> calls;
    std::size_t count = 0;
    // For each filled rectangle or turned box that shows, the runs of its pixels that none drawn
    // later paints over, in the order the culling meets them: each layer from its last row to
    // its first, the objects' layer first. So the ones painted first come last.
    std::vector<Runs> rectangles;
    // The runs of the background that no rectangle paints over.
    Runs background;
    std::vector<PixelRun> runs;
};

// The visible calls of `scene` on a surface `widthPixels` by `heightPixels`. A filled rectangle
// is taken to cover exactly the pixelSpan of its corners, a turned box its polygonRuns, a circle
// or a line to stay within its pen-widened bounds.
VisibleCalls visibleCalls(const Scene& scene, int widthPixels, int heightPixels);

} // namespace norvane
