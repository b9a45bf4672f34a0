#include "RecordingCanvas.h"

#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/Grid.h"
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

// tests/data/map/grid: 10 m lines over the background and under a tree, then a region redrawn
// with 1 m lines that stop at its edges and at the map's.
TEST(Render2D, GridLiesOverTheBackgroundUnderTheObjects) {
    const std::string path = dataDir() + "/map/grid/expected-calls.txt";
    RecordingCanvas canvas;
    Scene scene;
    scene.append({"Tree", " 50", " 50", "0", "", ""});
    Render2D(scene, canvas, gridStep(363));
    Render2DRegion(Scene{}, canvas, {97.5f, 12.5f, 5.0f, 2.0f}, gridStep(2904));
    const std::string calls = canvas.calls();
    EXPECT_SAME_TEXT(goldenText(path, calls), calls);
}

TEST(Render2D, BackgroundAloneHasNoStartMarker) {
    RecordingCanvas canvas;
    paintBackground(canvas);
    EXPECT_EQ(canvas.calls(), "fillRect 0 0 100 100 rgb 0,192,0 pen 0\n");
}

} // namespace
} // namespace norvane::test
