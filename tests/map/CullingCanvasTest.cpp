#include "RecordingCanvas.h"

#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/CoverageMask.h"
#include "map/CullingCanvas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace norvane::test {
namespace {

// That culling never changes the picture (pen and fill state included) is checked pixel for
// pixel on random scenes through the Qt canvas; these check what gets left out.

TEST(CoverageMask, CoversOnlyWhatWasCovered) {
    CoverageMask mask(130, 10); // three words per row, the last one partly used
    EXPECT_FALSE(mask.covers({0, 0, 0, 0}));
    mask.cover({60, 2, 70, 4}); // across a word boundary
    EXPECT_TRUE(mask.covers({60, 2, 70, 4}) && mask.covers({63, 3, 64, 3}));
    for (PixelBox wider : {PixelBox{59, 2, 70, 4}, {60, 2, 71, 4}, {60, 1, 70, 4}})
        EXPECT_FALSE(mask.covers(wider));
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

Rgb grey(int level) {
    return Rgb{std::uint8_t(level), std::uint8_t(level), std::uint8_t(level)};
}

// Replays tests/data/map/culling/operations.txt (its format is given at its top).
std::string replayCulled(const std::string& operations) {
    RecordingCanvas target;
    CullingCanvas canvas(target, 100, 100);
    std::istringstream lines(operations);
    for (std::string line, op; std::getline(lines, line);) {
        std::istringstream in(line);
        float a, b, c, d;
        int n;
        if (!(in >> op) || op == "#")
            continue;
        if (op == "pen" && in >> n)
            canvas.setPenWidth(n);
        else if (op == "fill" && in >> n)
            canvas.setFillSolid(), canvas.setFillColour(grey(n));
        else if (op == "circle" && in >> a >> b >> c >> n)
            canvas.circle(a, b, c, grey(n));
        else if (in >> a >> b >> c >> d >> n)
            op == "rect" ? canvas.fillRect(a, b, c, d, grey(n)) : canvas.line(a, b, c, d, grey(n));
    }
    canvas.finish();
    return target.calls();
}

TEST(CullingCanvas, DropsWhatLaterRectanglesPaintOverWithTheirPenMargin) {
    const std::string folder = dataDir() + "/map/culling";
    const std::string calls = replayCulled(readFile(folder + "/operations.txt"));
    EXPECT_SAME_TEXT(goldenText(folder + "/expected-calls.txt", calls), calls);
}

} // namespace
} // namespace norvane::test
