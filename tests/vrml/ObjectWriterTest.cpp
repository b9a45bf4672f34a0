#include "vrml/ObjectWriter.h"
#include "ExpectedNodes.h"
#include "TextDiff.h"
#include "scene/Catalogue.h"
#include "scene/Error.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

Scene sceneOf(std::initializer_list<SceneObject> rows) {
    Scene scene;
    for (const SceneObject& row : rows)
        scene.append(row);
    return scene;
}

const SceneObject kAnchoredTree{"Tree", " 20", " 30", "0", "home.wrl", ""};
const SceneObject kPlainTree{"Tree", " 50", " 50", "3.14", "", ""};
const SceneObject kAnchoredStreet{"Street", "10", "20", "30.5", "20", "next.wrl"};

// The two trees and the street of the editor's manual example, anchors carrying `target`.
std::string manualExample(std::string_view target) {
    return anchorOpening("url \"home.wrl\"", target) +
           pointHeader("translation -30 0.03 -20", "rotation 0 1 0 0") + definition("Tree", 0) +
           closePair() + closePair() + pointHeader("translation 0 0.03 0", "rotation 0 1 0 3.14") +
           reuse("Tree") + closePair() + anchorOpening("url \"next.wrl\"", target) +
           crlf({"Transform {", "translation -29.75 0.02 -30", "children [", "Shape {",
                 "geometry Box { size 20.5 0.04 0}", "appearance Appearance {",
                 "material Material { diffuseColor 0.1 0.1 0.1 }", "}", "}"}) +
           closePair() + closePair();
}

} // namespace

TEST(ExportVRML, EmptySceneGivesEmptyText) {
    EXPECT_EQ(ExportVRML(Scene{}, ""), "");
}

TEST(ExportVRML, ManualExampleWithoutAndWithTargetFrame) {
    const Scene scene = sceneOf({kAnchoredTree, kPlainTree, kAnchoredStreet});
    EXPECT_SAME_TEXT(manualExample(""), ExportVRML(scene, ""));
    const std::string target = makeAnchorTarget("main");
    EXPECT_EQ(target, "parameter [\"target=main\"]\r\n");
    EXPECT_SAME_TEXT(manualExample(target), ExportVRML(scene, target));
}

TEST(ExportVRML, DefinesOncePerKindAndRestartsEveryExport) {
    const SceneObject car{"Car (Red)", " 60", " 40", "1.57", "", ""};
    const Scene scene = sceneOf({kPlainTree, car, kPlainTree, car});
    const std::string treeHeader = pointHeader("translation 0 0.03 0", "rotation 0 1 0 3.14");
    const std::string carHeader = pointHeader("translation 10 0.03 -10", "rotation 0 1 0 1.57");
    const std::string expected = treeHeader + definition("Tree", 0) + closePair() + carHeader +
                                 definition("RedCar", 7) + closePair() + treeHeader +
                                 reuse("Tree") + closePair() + carHeader + reuse("RedCar") +
                                 closePair();
    EXPECT_SAME_TEXT(expected, ExportVRML(scene, ""));
    EXPECT_SAME_TEXT(expected, ExportVRML(scene, ""));
}

TEST(ExportVRML, EveryFurnishedKindDefinesItsModel) {
    for (const KindInfo& kind : kCatalogue) {
        if (kind.libraryEntry < 0)
            continue;
        const Scene scene =
            sceneOf({{std::string(kind.name), " 12.34568", " .25", "-1.57", "", ""}});
        EXPECT_SAME_TEXT(
            pointHeader("translation -37.65432 0.03 -49.75", "rotation 0 1 0 -1.57") +
                definition(kind.modelName, static_cast<std::size_t>(kind.libraryEntry)) +
                closePair(),
            ExportVRML(scene, ""))
            << kind.name;
    }
}

struct OneRowCase {
    const char* name;
    SceneObject row;
    std::string expected;
};

class ExportOneRow : public ::testing::TestWithParam<OneRowCase> {};

TEST_P(ExportOneRow, WritesExactLines) {
    EXPECT_SAME_TEXT(GetParam().expected, ExportVRML(sceneOf({GetParam().row}), ""));
}

namespace {

std::string slab(std::string_view translation, std::string_view box, std::string_view colour) {
    return crlf({"Transform {", translation, "children [", "Shape {", box,
                 "appearance Appearance {", colour, "}", "}"});
}

const std::string kFloor = slab("translation -45 0.02 -40", "geometry Box { size 10 0.04 20}",
                                "material Material { diffuseColor 0.8 0.8 0.8 }");
const std::string kCeiling = slab("translation -45 1 -40", "geometry Box { size 10 0.04 20}",
                                  "material Material { diffuseColor 0.9 0.9 0.9 }");
const std::string kWelcome = crlf({"Transform {", "translation 0 2 0", "children [", "Shape {",
                                   "geometry Text {", "string \"Welcome\"", "fontStyle FontStyle {",
                                   "size 1", "justify \"MIDDLE\"", "}", "}", "}", "]", "}"});
const std::string kExit = crlf({"Transform {", "translation 0 0.5 0", "children [", "Shape {",
                                "geometry Text {", "string \"Exit\"", "fontStyle FontStyle {",
                                "size 0.5", "justify \"MIDDLE\"", "}", "}", "}", "]", "}"});

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExportOneRow,
    ::testing::Values(
        OneRowCase{"FloorCeiling",
                   {"Floor/Ceiling", "0", "0", "10", "20", ""},
                   kFloor + closePair() + kCeiling + closePair()},
        OneRowCase{"FloorCeilingWithUrl",
                   {"Floor/Ceiling", "0", "0", "10", "20", "room.wrl"},
                   anchorOpening("url \"room.wrl\"") + kFloor + closePair() + kCeiling +
                       closePair() + closePair()},
        OneRowCase{"WallWithUrlClosedOnce",
                   {"Wall", "40", "50", "60", "51", "maze.wrl"},
                   anchorOpening("url \"maze.wrl\"") +
                       slab("translation 0 0.5 0.5", "geometry Box { size 20 1 1}",
                            "material Material { diffuseColor 0.6 0.6 0.6 }") +
                       closePair() + closePair()},
        OneRowCase{"SidewalkOfZeroWidth",
                   {"Sidewalk", "25", "10", "25", "15", ""},
                   slab("translation -25 0.02 -37.5", "geometry Box { size 0 0.04 5}",
                        "material Material { diffuseColor 1 1 0.5 }") +
                       closePair()},
        OneRowCase{"Shrubbery",
                   {"Shrubbery", "10.5", "10", "14", "12.25", ""},
                   crlf({"Transform {", "translation -37.75 0.15 -38.875", "scale 3.5 0.3 2.25",
                         "children [", "Shape {", "geometry Sphere { radius 0.5 }",
                         "appearance Appearance {", "material Material { diffuseColor 0 0 1 }",
                         "texture ImageTexture { url \"source1.jpg\" }",
                         "textureTransform TextureTransform {", "scale 10.5 6.75", "rotation 0.7",
                         "}", "}", "}"}) +
                       closePair()},
        OneRowCase{"BigTextWithUrl",
                   {"Text (Big)", " 10", " 10", "1.57", "about.html", "Welcome"},
                   anchorOpening("url \"about.html\"") +
                       pointHeader("translation -40 0.03 -40", "rotation 0 1 0 1.57") + kWelcome +
                       closePair() + closePair()},
        OneRowCase{"EyeLevelText",
                   {"Text (Eye-Level)", " 50", " 100", "0", "", "Exit"},
                   pointHeader("translation 0 0.03 50", "rotation 0 1 0 0") + kExit + closePair()},
        OneRowCase{"UnknownKindIsEmptyTransform",
                   {"Spaceship", " 50", " 50", "-1.57", "", ""},
                   pointHeader("translation 0 0.03 0", "rotation 0 1 0 -1.57") + closePair()},
        // A damaged file may leave text in List7 of a point row: it must not add brackets.
        OneRowCase{"PointRowWithStrayList7",
                   {"Tree", " 50", " 50", "0", "", "stray"},
                   pointHeader("translation 0 0.03 0", "rotation 0 1 0 0") + definition("Tree", 0) +
                       closePair()},
        OneRowCase{"AnchoredPointRowWithStrayList7",
                   {"Spaceship", " 50", " 50", "0", "a.wrl", "stray"},
                   anchorOpening("url \"a.wrl\"") +
                       pointHeader("translation 0 0.03 0", "rotation 0 1 0 0") + closePair() +
                       closePair()},
        OneRowCase{
            "QuotesAndBackslashesEscaped",
            {"Text (Big)", " 10", " 10", "1.57", R"(a"b\c.html)", R"(say "hi" \o/)"},
            anchorOpening(R"(url "a\"b\\c.html")") +
                pointHeader("translation -40 0.03 -40", "rotation 0 1 0 1.57") +
                crlf({"Transform {", "translation 0 2 0", "children [", "Shape {",
                      "geometry Text {", R"(string "say \"hi\" \\o/")", "fontStyle FontStyle {",
                      "size 1", "justify \"MIDDLE\"", "}", "}", "}", "]", "}"}) +
                closePair() + closePair()}),
    [](const ::testing::TestParamInfo<OneRowCase>& param) { return param.param.name; });

struct BadRowCase {
    const char* name;
    SceneObject row;
    const char* reason;
};

class ExportRefusesRow : public ::testing::TestWithParam<BadRowCase> {};

// The bad row comes second, after a good one, so the reason must name row 2.
TEST_P(ExportRefusesRow, NamesRowAndColumn) {
    const Scene scene = sceneOf({kAnchoredTree, GetParam().row});
    for (const auto& build : {+[](const Scene& s) { return ExportVRML(s, ""); },
                              +[](const Scene& s) { return buildPreviewWorld(s); }}) {
        try {
            build(scene);
            ADD_FAILURE() << "no error for " << GetParam().name;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), GetParam().reason);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, ExportRefusesRow,
    ::testing::Values(BadRowCase{"PointX",
                                 {"Tree", "x", " 5", "0", "", ""},
                                 "Row 2, column List3 (X) is not a number."},
                      BadRowCase{"PointYEmpty",
                                 {"Bench", " 5", "", "0", "", ""},
                                 "Row 2, column List4 (Y) is not a number."},
                      BadRowCase{"OrientationInjection",
                                 {"Tree", " 5", " 5", "0 children [ ]", "", ""},
                                 "Row 2, column List5 (orientation) is not a number."},
                      BadRowCase{"UnknownKindOrientation",
                                 {"Spaceship", " 5", " 5", "", "", ""},
                                 "Row 2, column List5 (orientation) is not a number."},
                      BadRowCase{"TextKindTrailingGarbage",
                                 {"Text (Big)", " 5x", " 5", "0", "", "Hi"},
                                 "Row 2, column List3 (X) is not a number."},
                      BadRowCase{"AreaX1",
                                 {"Wall", "ten", "1", "2", "3", ""},
                                 "Row 2, column List3 (X1) is not a number."},
                      BadRowCase{"AreaY1NotANumber",
                                 {"Street", "1", "nan", "2", "3", ""},
                                 "Row 2, column List4 (Y1) is not a number."},
                      BadRowCase{"AreaX2OutOfRange",
                                 {"Sidewalk", "1", "1", "1e999", "3", ""},
                                 "Row 2, column List5 (X2) is not a number."},
                      BadRowCase{"AreaY2Empty",
                                 {"Floor/Ceiling", "1", "1", "2", "", "url"},
                                 "Row 2, column List6 (Y2) is not a number."},
                      BadRowCase{"ShrubberyComma",
                                 {"Shrubbery", "1", "1", "2", "3,5", ""},
                                 "Row 2, column List6 (Y2) is not a number."}),
    [](const ::testing::TestParamInfo<BadRowCase>& param) { return param.param.name; });
