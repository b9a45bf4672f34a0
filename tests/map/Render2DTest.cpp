#include "RecordingCanvas.h"

#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/Render2D.h"
#include "scenefile/SceneFile.h"

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

// Each folder of tests/data/map holds a scene and the calls that draw it, one a line: the
// background, the ground kinds, the rest in scene order, the start marker. edge-cases/scene.NSC
// holds layering, off-centre cars, texts along X and Y, unknown codes and names, damaged rows.
TEST(Render2D, EachSceneGivesItsCalls) {
    for (const char* name : {"empty", "every-kind-every-code", "edge-cases"}) {
        SCOPED_TRACE(name);
        const std::string folder = dataDir() + "/map/" + name;
        RecordingCanvas canvas;
        Render2D(readSceneText(readFile(folder + "/scene.NSC")), canvas);
        const std::string calls = canvas.calls();
        EXPECT_SAME_TEXT(goldenText(folder + "/expected-calls.txt", calls), calls);
    }
}

// culled/scene.NSC on a surface of 100 by 100 pixels (one a map unit, the coverage mask's words
// split at column 64): rows under later rectangles, beyond the surface or covered within their
// pen margin are left out; walls hide earlier ground rows, but ground rows never hide walls.
TEST(Render2D, CulledLeavesOutWhatLaterRectanglesCover) {
    const std::string folder = dataDir() + "/map/culled";
    RecordingCanvas canvas;
    Render2DCulled(readSceneText(readFile(folder + "/scene.NSC")), canvas, 100, 100);
    const std::string calls = canvas.calls();
    EXPECT_SAME_TEXT(goldenText(folder + "/expected-calls.txt", calls), calls);
}

TEST(Render2D, BackgroundAloneHasNoStartMarker) {
    RecordingCanvas canvas;
    paintBackground(canvas);
    EXPECT_EQ(canvas.calls(), "fillRect 0 0 100 100 rgb 0,192,0 pen 0\n");
}

} // namespace
} // namespace norvane::test
