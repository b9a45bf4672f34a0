// The compatibility report: what a world format loses of the features a scene uses, and nothing
// for the features it does not use or a format that keeps them all.

#include "vrml/FormatReport.h"
#include "vrml/WorldFormats.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {

struct ReportCase {
    const char* name;
    std::string_view format;
    WorldUse use;
    std::string_view report;
};

const WorldUse kEverything{3, 2, true, true};

const ReportCase kCases[] = {
    {"VRML keeps all", "wrl", kEverything, ""},
    {"ClassicVRML keeps all", "x3dv", kEverything, ""},
    {"X3D with music", "x3d", kEverything,
     "X3D: background music played by X_ITE and view3dscene; X3DOM's sound is experimental"},
    {"X3D without music", "x3d", {3, 2, true, false}, ""},
    {"glTF, all of it", "glb", kEverything,
     "glTF: 3 hyperlinks kept as node data (three.js pages can use them; model-viewer ignores "
     "them) \u00b7 the hyperlinks' target frame kept as node data \u00b7 background music not "
     "played by glTF viewers (named in the scene's data) \u00b7 sky kept as data only"},
    {"glTF, one hyperlink",
     "glb",
     {1, 0, false, false},
     "glTF: 1 hyperlink kept as node data (three.js pages can use them; model-viewer ignores "
     "them) \u00b7 sky kept as data only"},
    {"glTF, a bare scene", "glb", {}, "glTF: sky kept as data only"},
};

} // namespace

TEST(FormatReport, ListsWhatEachFormatLosesOfWhatTheSceneUses) {
    for (const ReportCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string_view title =
            c.format == "glb" ? "glTF" : worldFormatNamed(c.format)->title;
        EXPECT_EQ(compatibilityReport(c.format, title, c.use), c.report);
    }
}

TEST(FormatReport, CountsHyperlinksTextsFrameAndMusic) {
    Scene scene;
    scene.append(SceneObject{"Tree", " 1", " 1", "0", "a.htm", ""});
    scene.append(SceneObject{"Street", "1", "1", "2", "2", "b.htm"});
    scene.append(SceneObject{"Text (Big)", " 1", " 1", "0", "", "Hello"});
    scene.append(SceneObject{"Bench", " 1", " 1", "0", "", "stray text"});
    const WorldUse use = worldUse(scene, {"Night Sky", "song.wav", "main"});
    EXPECT_EQ(use.hyperlinks, 2u);
    EXPECT_EQ(use.texts, 1u);
    EXPECT_TRUE(use.targetFrame);
    EXPECT_TRUE(use.music);
    // A target frame without a hyperlink to carry it is not used.
    EXPECT_FALSE(worldUse(Scene(), {"Blue Sky", "", "main"}).targetFrame);
}
