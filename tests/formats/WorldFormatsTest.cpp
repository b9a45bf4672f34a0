// The world formats: chosen by extension or name, and what each loses of the features a scene
// uses (nothing for the features it does not use or a format that keeps them all).

#include "formats/WorldFormats.h"
#include "vrml/FormatReport.h"

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
        EXPECT_EQ(compatibilityReport(c.format, worldFormatNamed(c.format)->title, c.use),
                  c.report);
    }
}

TEST(FormatReport, CountsHyperlinksTextsFrameAndMusic) {
    Scene scene;
    scene.append(SceneObject{"Tree", " 1", " 1", "0", "a.htm", ""});
    scene.append(SceneObject{"Street", "1", "1", "2", "2", "b.htm"});
    scene.append(SceneObject{"Text (Big)", " 1", " 1", "0", "", "Hello"});
    scene.append(SceneObject{"Bench", " 1", " 1", "0", "", "stray text"});
    const WorldUse use = worldUse(scene, {"Night Sky", "song.wav", "main", ""});
    EXPECT_EQ(use.hyperlinks, 2u);
    EXPECT_EQ(use.texts, 1u);
    EXPECT_TRUE(use.targetFrame);
    EXPECT_TRUE(use.music);
    // A target frame without a hyperlink to carry it is not used.
    EXPECT_FALSE(worldUse(Scene(), {"Blue Sky", "", "main", ""}).targetFrame);
}

struct FormatCase {
    std::string_view path;
    std::string_view format; // "" for none
};

TEST(WorldFormats, ChoosesByTheExtensionInAnyCase) {
    const FormatCase cases[] = {
        {"a.wrl", "wrl"}, {"a.WRL", "wrl"}, {"dir.x3d/a", "wrl"}, {"/dev/stdout", "wrl"},
        {"a.x3d", "x3d"}, {"a.X3d", "x3d"}, {"a.x3dv", "x3dv"},   {"b/a.tar.X3DV", "x3dv"},
        {".x3d", "wrl"},  {"a.txt", ""},    {"a.", ""},           {"a.wrl.bak", ""},
        {"a.GLB", "glb"}, {"a.gltf", ""},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.path);
        const WorldFormat* format = worldFormatOf(c.path);
        EXPECT_EQ(format ? format->name : "", c.format);
    }
    EXPECT_EQ(worldFormatNamed("X3DV"), &worldFormats()[2]);
    EXPECT_EQ(worldFormatNamed("glTF"), nullptr);
    EXPECT_EQ(worldFormatNamed("Glb"), &worldFormats()[3]);
    EXPECT_EQ(worldFormatOf("a.WRZ"), &worldFormats()[4]);
}
