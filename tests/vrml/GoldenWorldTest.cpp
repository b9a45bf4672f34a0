// Each golden folder of tests/data/worlds holds a scene file and the world it must give, byte for
// byte, which the VRML reader tovrmlx3d must read without a warning. The expected worlds were
// checked line by line against the world layout, the object lines and the model tables; a change of
// any of them shows here as the first differing line.

#include "GlbTesting.h"
#include "GoldenFile.h"
#include "GoldenWorlds.h"
#include "ProcessRun.h"
#include "TextDiff.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"
#include "vrml/X3dWorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

// The folders: every kind, each furnished model (every library body) defined once and three of
// them reused (every-kind); anchors with a target frame on a point, an area, the two slabs and a
// text (night-anchors); every kind twice, all anchored, with quotes and backslashes in URLs,
// texts, the music file and the frame, and one unknown kind (every-kind-anchored); the largest
// coordinates a scene can hold (range-ends); the two plain skies (black-sky, white-sky);
// zero-width areas, stray text on point rows, reversed corners, no-UTF-8 bytes and control
// characters in texts, URLs and options, an unknown sky, a text too wide for a picture (odd-rows);
// a blank frame (spaced-frame); every character XML or an MFString must not see as it is, in texts,
// URLs and options (xml-texts); point kinds turned by any angle beside the four codes (angled).
// Each gives its VRML, X3D and ClassicVRML worlds the same each time, which the readers (tovrmlx3d,
// xmllint) take without a word, and the glTF binary whose JSON (indented) expected.glb.json holds;
// the preview is the world of the default options.
TEST(GoldenWorld, EachSceneGivesItsWorld) {
    const std::vector<GoldenWorld> worlds = goldenWorlds();
    EXPECT_EQ(worlds.size(), 10u);
    for (const GoldenWorld& golden : worlds) {
        SCOPED_TRACE(golden.name);
        const Scene scene = readSceneText(readFile(golden.folder + "/scene.NSC"));
        const std::string world = buildWorld(scene, golden.options);
        EXPECT_SAME_TEXT(goldenText(golden.folder + "/expected.wrl", world), world);
        EXPECT_SAME_TEXT(world, buildWorld(scene, golden.options));
        EXPECT_TRUE(readsWithoutWarnings(golden.folder + "/expected.wrl"));
        EXPECT_SAME_TEXT(buildWorld(scene, {}), buildPreviewWorld(scene));
        for (const auto& [name, write] :
             {std::pair<const char*, WorldFormatWriter>{"/expected.x3d", writeX3dXmlWorld},
              {"/expected.x3dv", writeX3dClassicWorld}}) {
            const std::string text = worldText(scene, golden.options, write);
            EXPECT_SAME_TEXT(goldenText(golden.folder + name, text), text) << name;
            EXPECT_TRUE(readsWithoutWarnings(golden.folder + name));
        }
        EXPECT_TRUE(xmlReadsCleanly(golden.folder + "/expected.x3d"));
        const std::string json = glbJson(glbOf(scene, golden.options)).dump(1) + '\n';
        EXPECT_SAME_TEXT(goldenText(golden.folder + "/expected.glb.json", json), json);
    }
}

// The reader checks are only worth something if the reader complains about a broken string.
TEST(GoldenWorld, TheReaderComplainsAboutAnUnescapedQuote) {
    EXPECT_FALSE(worldReadsWithoutWarnings(
        "#VRML V2.0 utf8\r\nAnchor {\r\nurl \"a\"b\"\r\nchildren [ ]\r\n}\r\n"));
}
