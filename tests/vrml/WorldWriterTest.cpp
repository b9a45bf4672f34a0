// Golden folders of worlds beside those of GoldenWorldTest: each holds a scene, options.txt (sky,
// music file and target frame, one a line) and the world they must give, byte for byte.

#include "vrml/WorldWriter.h"
#include "GoldenFile.h"
#include "ProcessRun.h"
#include "TextDiff.h"
#include "scenefile/SceneFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace norvane;
using namespace norvane::test;

TEST(WorldWriter, EachFolderGivesItsWorldTheSameEachTime) {
    // Zero-width areas, stray text on point rows, reversed area corners, bytes that are no
    // UTF-8 and control characters in texts, URLs and options; an unknown sky; a blank frame.
    for (const char* name : {"odd-rows", "spaced-frame"}) {
        SCOPED_TRACE(name);
        const std::string folder = dataDir() + "/" + name;
        std::istringstream lines(readFile(folder + "/options.txt"));
        WorldOptions options;
        std::getline(lines, options.sky);
        std::getline(lines, options.musicFile);
        std::getline(lines, options.targetFrame);
        const Scene scene = readSceneText(readFile(folder + "/scene.NSC"));
        const std::string world = buildWorld(scene, options);
        EXPECT_SAME_TEXT(goldenText(folder + "/expected.wrl", world), world);
        EXPECT_SAME_TEXT(world, buildWorld(scene, options));
        EXPECT_TRUE(readsWithoutWarnings(folder + "/expected.wrl"));
        EXPECT_SAME_TEXT(buildWorld(scene, {}), buildPreviewWorld(scene));
    }
}
