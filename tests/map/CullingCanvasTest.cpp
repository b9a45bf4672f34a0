#include "RecordingCanvas.h"

#include "map/CoverageMask.h"
#include "map/CullingCanvas.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using test::DrawCall;
using test::RecordingCanvas;

constexpr Rgb kA{1, 1, 1}, kB{2, 2, 2}, kC{3, 3, 3};

// That culling never changes the picture (pen and fill state included) is checked pixel for
// pixel on random scenes through the Qt canvas; these check what gets left out.

TEST(CoverageMask, CoversOnlyWhatWasCovered) {
    CoverageMask mask(130, 10); // three words per row, the last one partly used
    EXPECT_FALSE(mask.covers({0, 0, 0, 0}));
    mask.cover({60, 2, 70, 4}); // across a word boundary
    EXPECT_TRUE(mask.covers({60, 2, 70, 4}));
    EXPECT_TRUE(mask.covers({63, 3, 64, 3}));
    EXPECT_FALSE(mask.covers({59, 2, 70, 4}));
    EXPECT_FALSE(mask.covers({60, 2, 71, 4}));
    EXPECT_FALSE(mask.covers({60, 1, 70, 4}));
    mask.cover({0, 0, 129, 9});
    EXPECT_TRUE(mask.covers({0, 0, 129, 9}));
}

TEST(CoverageMask, OnlyTheSurfaceCounts) {
    CoverageMask mask(100, 100);
    EXPECT_TRUE(mask.covers({-50, -50, -1, 10})); // wholly off the surface
    EXPECT_TRUE(mask.covers({100, 0, 200, 10}));
    mask.cover({-1000, -1000, 1000, 0}); // clipped to row 0
    EXPECT_TRUE(mask.covers({-5, 0, 500, 0}));
    EXPECT_FALSE(mask.covers({-5, 0, 500, 1}));
    EXPECT_TRUE(mask.covers({0, 0, -1, -1})); // empty box
}

// Draws through a culling canvas on a 100-pixel surface (one pixel per map unit).
std::vector<DrawCall> culled(void (*draw)(Canvas&)) {
    RecordingCanvas target;
    CullingCanvas canvas(target, 100, 100);
    draw(canvas);
    canvas.finish();
    return target.calls();
}

TEST(CullingCanvas, DropsWhatLaterRectanglesPaintOver) {
    const auto calls = culled([](Canvas& c) {
        c.setPenWidth(1);
        c.fillRect(10, 10, 20, 20, kA); // under the next one: dropped
        c.fillRect(5, 5, 30, 30, kB);
        c.fillRect(40, 40, 60, 60, kA); // half covered: kept
        c.fillRect(50, 40, 70, 60, kC);
        c.circle(15, 15, 2, kA);            // on top: kept
        c.fillRect(150, 150, 160, 160, kA); // off the surface: dropped
    });
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].colour, kB);
    EXPECT_EQ(calls[1].values[0], 40.0f);
    EXPECT_EQ(calls[2].colour, kC);
    EXPECT_EQ(calls[3].op, DrawCall::Op::Circle);
}

TEST(CullingCanvas, CirclesAndLinesNeedTheirPenMarginCovered) {
    const auto calls = culled([](Canvas& c) {
        c.setPenWidth(2);
        c.line(20, 20, 30, 20, kA); // box 17..33 x 17..23: covered
        c.circle(50, 50, 5, kA);    // box 42..58: only 43..57 covered, kept
        c.setPenWidth(1);
        c.fillRect(17, 17, 34, 24, kB);
        c.fillRect(43, 43, 58, 58, kB);
    });
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].op, DrawCall::Op::Circle);
    EXPECT_EQ(calls[0].penWidth, 2);
}

} // namespace
} // namespace norvane
