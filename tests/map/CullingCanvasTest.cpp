#include "RecordingCanvas.h"

#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/CullingCanvas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace norvane::test {
namespace {

// That culling never changes the picture (pen and fill state included) is checked pixel for
// pixel on random scenes through the Qt canvas; this checks what gets left out, and through it
// the coverage mask.

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

TEST(CullingCanvas, DropsWhatLaterRectanglesCover) {
    const std::string folder = dataDir() + "/map/culling";
    const std::string calls = replayCulled(readFile(folder + "/operations.txt"));
    EXPECT_SAME_TEXT(goldenText(folder + "/expected-calls.txt", calls), calls);
}

} // namespace
} // namespace norvane::test
