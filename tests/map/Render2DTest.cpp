#include "RecordingCanvas.h"

#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/Grid.h"
#include "map/Render2D.h"
#include "map/VisibleRows.h"
#include "scenefile/SceneFile.h"

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

// Each folder of tests/data/map holds a scene and the calls that draw it, one a line: the
// background, the ground kinds, the rest in scene order, the start marker. edge-cases/scene.NSC
// holds layering, off-centre cars, texts along X and Y, unknown codes and names, damaged rows;
// angled/scene.NSC figures turned by other angles.
TEST(Render2D, EachSceneGivesItsCalls) {
    for (const char* name : {"empty", "every-kind-every-code", "edge-cases", "angled"}) {
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

// The culled map names the rows it draws nothing for (numbered from 1), in scene order.
TEST(Render2D, CulledReturnsTheRowsItCannotDraw) {
    const std::string folder = dataDir() + "/map/edge-cases";
    RecordingCanvas canvas;
    std::string rows;
    const Scene scene = readSceneText(readFile(folder + "/scene.NSC"));
    for (const std::size_t row : Render2DCulled(scene, canvas, 363, 363))
        rows += std::to_string(row + 1) + '\n';
    EXPECT_SAME_TEXT(goldenText(folder + "/undrawn-rows.txt", rows), rows);
}

// A region redraw of culled/scene.NSC starts from the last rectangle that fills the region,
// within its layer (a street) or over both (a wall); a turned house around it fills only part.
TEST(Render2D, RegionStartsFromTheLastRectangleFillingIt) {
    const Scene scene = readSceneText(readFile(dataDir() + "/map/culled/scene.NSC"));
    const std::string marker = "circle 50 96 0.1 rgb 50,50,150 pen 1 fill 150,150,255\n";
    const struct {
        MapRect region;
        std::string calls;
    } cases[] = {
        {{2, 0.25f, 1, 0.5f},
         "fillRect 2 0.25 3 0.75 rgb 0,192,0 pen 0\n"
         "fillRect -5 0 500 2 rgb 60,60,60 pen 1\n"},
        {{61, 20, 0.5f, 0.5f},
         "fillRect 61 20 61.5 20.5 rgb 0,192,0 pen 0\n"
         "fillRect 60 20 71 25 rgb 153,153,153 pen 1\n"
         "fillPolygon 60.8787 22 63 19.8787 65.1213 22 63 24.1213 rgb 200,0,0 pen 1\n"},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        Render2DRegion(scene, canvas, c.region);
        EXPECT_EQ(canvas.calls(), c.calls + marker);
    }
}

// A scene big enough to be worked through on two threads gives each row the call it gives alone.
TEST(Render2D, RowCallsOfABigSceneAreEachRowsCall) {
    const Scene kinds = readSceneText(readFile(dataDir() + "/map/every-kind-every-code/scene.NSC"));
    Scene scene;
    while (scene.count() < 30'000)
        for (const SceneObject& row : kinds.rows())
            scene.append(row);
    const std::vector<SymbolCall> calls = rowCalls(scene.rows());
    ASSERT_EQ(calls.size(), scene.count());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        RecordingCanvas alone, fromCall;
        const MapSymbol* symbol = findSymbol(scene.row(i).kind);
        if (const auto figure = symbol ? figureFor(*symbol, scene.row(i)) : std::nullopt)
            drawSymbol(scene.row(i), *symbol, *figure, alone);
        drawCall(calls[i], fromCall);
        ASSERT_EQ(fromCall.calls(), alone.calls()) << "row " << i;
    }
}

TEST(Render2D, BackgroundAloneHasNoStartMarker) {
    RecordingCanvas canvas;
    paintBackground(canvas);
    EXPECT_EQ(canvas.calls(), "fillRect 0 0 100 100 rgb 0,192,0 pen 0\n");
}

} // namespace
} // namespace norvane::test
