#include "vrml/WorldWriter.h"
#include "ExpectedNodes.h"
#include "TextDiff.h"
#include "vrml/ObjectWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

const std::string kHead =
    crlf({"#VRML V2.0 utf8", "Transform {", "children [", "Viewpoint {", "position 0 0.5 46",
          "description \"Starting Point \"", "}", "DirectionalLight {", "direction 0 0 -1", "}",
          "DirectionalLight {", "direction 0 -1 0", "}"});
const std::string kBlueSky =
    crlf({"Background {", "skyColor [ 0.1 0.1 1, 0.3 0.3 1, 0.5 0.5 1, 0.7 0.7 1 ]",
          "skyAngle [ 0.5, 1, 1.57 ]", "}"});
const std::string kNightSky =
    crlf({"Background {",
          "skyColor [ 0.1 0.1 0.2, 0.05 0.05 0.1, 0.025 0.025 0.05, 0.0125 0.0125 0.025 ]",
          "skyAngle [ 0.5, 1, 1.57 ]", "}"});
const std::string kGround = crlf(
    {"Transform {", "translation 0 -0.25 0", "children [", "Shape {",
     "geometry Box { size 120 0.5 120 }", "appearance Appearance {",
     "material Material { diffuseColor 0 0.9 0 }", "texture ImageTexture { url \"source1.jpg\" }",
     "textureTransform TextureTransform { scale 72 72 }", "}", "}", "]", "}"});
const std::string kFooter = crlf({"", "]", "}"});

std::string sound(std::string_view urlLine) {
    return crlf({"Sound {", "source AudioClip {", urlLine, "stopTime -1", "loop TRUE", "}",
                 "location 0 0 0", "minBack 1000", "minFront 1000", "maxBack 1000", "maxFront 1000",
                 "spatialize FALSE", "}"});
}

Scene anchoredPair() {
    Scene scene;
    scene.append({"Tree", " 20", " 30", "0", "home.wrl", ""});
    scene.append({"Wall", "40", "50", "60", "51", "maze.wrl"});
    return scene;
}

} // namespace

TEST(WorldWriter, EmptySceneIsACompleteWorld) {
    const std::string expected = kHead + kBlueSky + kGround + kFooter;
    EXPECT_SAME_TEXT(expected, buildWorld(Scene{}, WorldOptions{}));
    EXPECT_SAME_TEXT(expected, buildPreviewWorld(Scene{}));
}

TEST(WorldWriter, SkyChoices) {
    const struct {
        const char* sky;
        std::string background;
    } cases[] = {
        {"Blue Sky", kBlueSky},
        {"Night Sky", kNightSky},
        {"Black", crlf({"Background {", "skyColor [ 0 0 0 ]", "}"})},
        {"White", crlf({"Background {", "skyColor [ 1 1 1 ]", "}"})},
        {"night sky", kBlueSky}, // names compare exactly; unknown names get the blue sky
        {"", kBlueSky},
    };
    for (const auto& c : cases)
        EXPECT_SAME_TEXT(kHead + c.background + kGround + kFooter,
                         buildWorld(Scene{}, {c.sky, "", ""}))
            << c.sky;
    // Lines 14 and 15 of a night world: the background and its colours.
    const auto night = crlfLines(buildWorld(Scene{}, {"Night Sky", "", ""}));
    EXPECT_EQ(night.at(13), "Background {");
    EXPECT_EQ(night.at(14),
              "skyColor [ 0.1 0.1 0.2, 0.05 0.05 0.1, 0.025 0.025 0.05, 0.0125 0.0125 0.025 ]");
}

TEST(WorldWriter, SoundFollowsBackgroundAndPrecedesGround) {
    EXPECT_SAME_TEXT(kHead + kNightSky + sound("url \"rain.wav\"") + kGround + kFooter,
                     buildWorld(Scene{}, {"Night Sky", "rain.wav", ""}));
}

TEST(WorldWriter, ObjectsSitBetweenGroundAndFooterWithTargetOnEveryAnchor) {
    const Scene scene = anchoredPair();
    const std::string target = "parameter [\"target=main\"]\r\n";
    const std::string objects = ExportVRML(scene, target);
    EXPECT_EQ(countOf(objects, target), 2u);
    EXPECT_EQ(countOf(objects, "Anchor {\r\nurl \"home.wrl\"\r\n" + target), 1u);
    EXPECT_EQ(countOf(objects, "Anchor {\r\nurl \"maze.wrl\"\r\n" + target), 1u);
    EXPECT_SAME_TEXT(kHead + kBlueSky + kGround + objects + kFooter,
                     buildWorld(scene, {"Blue Sky", "", "main"}));
}

TEST(WorldWriter, PreviewNeverCarriesTargetOrSound) {
    const Scene scene = anchoredPair();
    const std::string preview = buildPreviewWorld(scene);
    EXPECT_SAME_TEXT(kHead + kBlueSky + kGround + ExportVRML(scene, "") + kFooter, preview);
    EXPECT_EQ(preview.find("parameter"), std::string::npos);
    EXPECT_EQ(preview.find("Sound"), std::string::npos);
}

TEST(WorldWriter, AnchorTargetLine) {
    const struct {
        std::string_view frame;
        std::string_view line;
    } cases[] = {
        {"", ""},
        {"main", "parameter [\"target=main\"]\r\n"},
        {"  ", "parameter [\"target=  \"]\r\n"}, // spaces are a frame name, kept as typed
        {R"(a"b\c)", "parameter [\"target=a\\\"b\\\\c\"]\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(makeAnchorTarget(c.frame), c.line) << c.frame;
}

TEST(WorldWriter, EscapesMusicFileAndFrame) {
    Scene scene;
    scene.append({"Fountain", " 50", " 50", "0", "pool.html", ""});
    EXPECT_SAME_TEXT(
        kHead + kBlueSky + sound(R"(url "my \"song\"\\1.wav")") + kGround +
            anchorOpening("url \"pool.html\"", "parameter [\"target=\\\"x\\\"\"]\r\n") +
            pointHeader("translation 0 0.03 0", "rotation 0 1 0 0") + definition("Fountain", 3) +
            closePair() + closePair() + kFooter,
        buildWorld(scene, {"Blue Sky", R"(my "song"\1.wav)", R"("x")"}));
}
