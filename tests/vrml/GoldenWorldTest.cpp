// Each golden folder of tests/data holds a scene file and the world it must give, byte for byte.
// The expected worlds were checked line by line against the world layout, the object lines and
// the model tables; a change of any of them shows here as the first differing line.

#include "ProcessRun.h"
#include "TextDiff.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

struct GoldenCase {
    const char* folder;
    WorldOptions options;
};

} // namespace

TEST(GoldenWorld, EachSceneGivesItsWorld) {
    const GoldenCase cases[] = {
        // Every kind, each furnished model defined once and three of them reused; the preview's
        // options.
        {"every-kind", {}},
        // Anchors with a target frame on a point, an area, the two slabs and a text; night sky
        // and music.
        {"night-anchors", {"Night Sky", "rain.wav", "main"}},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string folder = dataDir() + "/" + c.folder;
        const Scene scene = readSceneText(readFile(folder + "/scene.NSC"));
        EXPECT_SAME_TEXT(readFile(folder + "/expected.wrl"), buildWorld(scene, c.options));
        EXPECT_TRUE(readsWithoutWarnings(folder + "/expected.wrl"));
    }
}
