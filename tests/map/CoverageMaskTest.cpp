#include "map/CoverageMask.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvane {
namespace {

// On a surface 130 pixels wide (three words a row) and 2 high: the runs of a box that show
// after covering `before`, within words, across their edges and clipped to the surface.
TEST(CoverageMask, CoverShowingGivesTheRunsNotCoveredYet) {
    const struct {
        std::vector<PixelBox> before;
        PixelBox box;
        std::vector<PixelRun> runs;
    } cases[] = {
        {{}, {10, 0, 20, 1}, {{0, 10, 20}, {1, 10, 20}}},
        {{{30, 0, 70, 0}}, {0, 0, 100, 0}, {{0, 0, 29}, {0, 71, 100}}},
        {{{60, 0, 63, 0}}, {50, 0, 80, 0}, {{0, 50, 59}, {0, 64, 80}}},
        {{{64, 0, 70, 0}}, {60, 0, 70, 0}, {{0, 60, 63}}},
        {{{0, 0, 63, 0}, {128, 0, 129, 0}}, {0, 0, 129, 0}, {{0, 64, 127}}},
        {{{5, 1, 6, 1}, {40, 1, 70, 1}},
         {-5, -1, 140, 1},
         {{0, 0, 129}, {1, 0, 4}, {1, 7, 39}, {1, 71, 129}}},
        {{{0, 0, 129, 1}}, {3, 0, 90, 1}, {}},
        {{}, {130, 0, 140, 1}, {}},
    };
    for (const auto& c : cases) {
        CoverageMask mask(130, 2);
        for (const PixelBox& box : c.before)
            mask.cover(box);
        std::vector<PixelRun> runs;
        mask.coverShowing(c.box, runs);
        EXPECT_EQ(runs, c.runs) << "box " << c.box.left << ',' << c.box.top;
        EXPECT_TRUE(mask.covers(c.box));
    }
}

} // namespace
} // namespace norvane
