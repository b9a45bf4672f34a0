// Each golden folder of tests/data holds a scene file and the world it must give, byte for byte,
// which the VRML reader tovrmlx3d must read without a warning. The expected worlds were checked
// line by line against the world layout, the object lines and the model tables; a change of any
// of them shows here as the first differing line.

#include "GoldenFile.h"
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
        // Every kind, each furnished model (every library body) defined once and three of them
        // reused; the preview's options.
        {"every-kind", {}},
        // Anchors with a target frame on a point, an area, the two slabs and a text; night sky
        // and music.
        {"night-anchors", {"Night Sky", "rain.wav", "main"}},
        // Every kind twice (defined, then reused), all anchored; URLs, texts, the music file and
        // the frame carry quotes and backslashes; one unknown kind.
        {"every-kind-anchored", {"Night Sky", R"(my "song"\1.wav)", R"(main "frame")"}},
        // The largest coordinates a scene can hold still give numbers, never "inf".
        {"range-ends", {}},
        // The two plain skies, on an empty scene.
        {"black-sky", {"Black", "", ""}},
        {"white-sky", {"White", "", ""}},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.folder);
        const std::string folder = dataDir() + "/" + c.folder;
        const std::string world =
            buildWorld(readSceneText(readFile(folder + "/scene.NSC")), c.options);
        EXPECT_SAME_TEXT(goldenText(folder + "/expected.wrl", world), world);
        EXPECT_TRUE(readsWithoutWarnings(folder + "/expected.wrl"));
    }
}

// The reader checks are only worth something if the reader complains about a broken string.
TEST(GoldenWorld, TheReaderComplainsAboutAnUnescapedQuote) {
    EXPECT_FALSE(worldReadsWithoutWarnings(
        "#VRML V2.0 utf8\r\nAnchor {\r\nurl \"a\"b\"\r\nchildren [ ]\r\n}\r\n"));
}
