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
    const std::string target = "parameter [\"target=main\"]\r\n";
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

struct OneRowCase {
    const char* name;
    SceneObject row;
    std::string expected;
};

TEST(ExportVRML, EachKindOfRowWritesExactLines) {
    const OneRowCase cases[] = {
        {"FloorCeiling",
         {"Floor/Ceiling", "0", "0", "10", "20", ""},
         kFloor + closePair() + kCeiling + closePair()},
        {"FloorCeilingWithUrl",
         {"Floor/Ceiling", "0", "0", "10", "20", "room.wrl"},
         anchorOpening("url \"room.wrl\"") + kFloor + closePair() + kCeiling + closePair() +
             closePair()},
        {"WallWithUrlClosedOnce",
         {"Wall", "40", "50", "60", "51", "maze.wrl"},
         anchorOpening("url \"maze.wrl\"") +
             slab("translation 0 0.5 0.5", "geometry Box { size 20 1 1}",
                  "material Material { diffuseColor 0.6 0.6 0.6 }") +
             closePair() + closePair()},
        {"SidewalkOfZeroWidth",
         {"Sidewalk", "25", "10", "25", "15", ""},
         slab("translation -25 0.02 -37.5", "geometry Box { size 0 0.04 5}",
              "material Material { diffuseColor 1 1 0.5 }") +
             closePair()},
        {"Shrubbery",
         {"Shrubbery", "10.5", "10", "14", "12.25", ""},
         crlf({"Transform {", "translation -37.75 0.15 -38.875", "scale 3.5 0.3 2.25", "children [",
               "Shape {", "geometry Sphere { radius 0.5 }", "appearance Appearance {",
               "material Material { diffuseColor 0 0 1 }",
               "texture ImageTexture { url \"source1.jpg\" }",
               "textureTransform TextureTransform {", "scale 10.5 6.75", "rotation 0.7", "}", "}",
               "}"}) +
             closePair()},
        {"BigTextWithUrl",
         {"Text (Big)", " 10", " 10", "1.57", "about.html", "Welcome"},
         anchorOpening("url \"about.html\"") +
             pointHeader("translation -40 0.03 -40", "rotation 0 1 0 1.57") + kWelcome +
             closePair() + closePair()},
        {"EyeLevelText",
         {"Text (Eye-Level)", " 50", " 100", "0", "", "Exit"},
         pointHeader("translation 0 0.03 50", "rotation 0 1 0 0") + kExit + closePair()},
        {"UnknownKindIsEmptyTransform",
         {"Spaceship", " 50", " 50", "-1.57", "", ""},
         pointHeader("translation 0 0.03 0", "rotation 0 1 0 -1.57") + closePair()},
        // A damaged file may leave text in List7 of a point row: it must not add brackets.
        {"PointRowWithStrayList7",
         {"Tree", " 50", " 50", "0", "", "stray"},
         pointHeader("translation 0 0.03 0", "rotation 0 1 0 0") + definition("Tree", 0) +
             closePair()},
        {"AnchoredPointRowWithStrayList7",
         {"Spaceship", " 50", " 50", "0", "a.wrl", "stray"},
         anchorOpening("url \"a.wrl\"") + pointHeader("translation 0 0.03 0", "rotation 0 1 0 0") +
             closePair() + closePair()},
        {"QuotesAndBackslashesEscaped",
         {"Text (Big)", " 10", " 10", "1.57", R"(a"b\c.html)", R"(say "hi" \o/)"},
         anchorOpening(R"(url "a\"b\\c.html")") +
             pointHeader("translation -40 0.03 -40", "rotation 0 1 0 1.57") +
             crlf({"Transform {", "translation 0 2 0", "children [", "Shape {", "geometry Text {",
                   R"(string "say \"hi\" \\o/")", "fontStyle FontStyle {", "size 1",
                   "justify \"MIDDLE\"", "}", "}", "}", "]", "}"}) +
             closePair() + closePair()},
    };
    for (const OneRowCase& c : cases)
        EXPECT_SAME_TEXT(c.expected, ExportVRML(sceneOf({c.row}), "")) << c.name;
}

// The bad row comes second, after a good one, so the reason must name row 2 and its line.
TEST(ExportVRML, RefusesADamagedRowNamingRowLineAndColumn) {
    const std::string longNumber = "0." + std::string(31, '0');
    const std::pair<SceneObject, std::string> cases[] = {
        {{"Tree", "x", " 5", "0", "", ""}, "(line 8), column List3 (X) is not a number."},
        {{"Bench", " 5", "", "0", "", ""}, "(line 9), column List4 (Y) is not a number."},
        {{"Tree", " 5", " 5", "0 children [ ]", "", ""},
         "(line 10), column List5 (orientation) is not a number."},
        {{"Spaceship", " 5", " 5", "", "", ""},
         "(line 10), column List5 (orientation) is not a number."},
        {{"Chair", " 5", " 5", "+-1.57", "", ""},
         "(line 10), column List5 (orientation) is not a number."},
        {{"Chair", " 5", " 5", std::string(300, '1'), "", ""},
         "(line 10), column List5 (orientation) is longer than 32 characters."},
        {{"Chair", " 5", " 5", "1e309", "", ""},
         "(line 10), column List5 (orientation) is out of range."},
        {{"Tree", " " + longNumber, " 5", "0", "", ""},
         "(line 8), column List3 (X) is longer than 32 characters."},
        {{"Text (Big)", " 5x", " 5", "0", "", "Hi"}, "(line 8), column List3 (X) is not a number."},
        {{"Wall", "ten", "1", "2", "3", ""}, "(line 8), column List3 (X1) is not a number."},
        {{"Street", "1", "nan", "2", "3", ""}, "(line 9), column List4 (Y1) is not a number."},
        {{"Sidewalk", "1", "1", "1e999", "3", ""}, "(line 10), column List5 (X2) is out of range."},
        {{"Floor/Ceiling", "1", "1", "2", "", "url"},
         "(line 11), column List6 (Y2) is not a number."},
        {{"Shrubbery", "1", "1", "2", "3,5", ""}, "(line 11), column List6 (Y2) is not a number."},
    };
    for (const auto& [row, expected] : cases) {
        const Scene scene = sceneOf({kAnchoredTree, row});
        for (const auto& build : {+[](const Scene& s) { return ExportVRML(s, ""); },
                                  +[](const Scene& s) { return buildPreviewWorld(s); }}) {
            try {
                build(scene);
                ADD_FAILURE() << "no error for " << row.kind << " " << expected;
            } catch (const Error& error) {
                EXPECT_EQ(error.what(), "Row 2 " + expected);
            }
        }
    }
}

// Sums of larger values could overflow into "inf", which is no VRML number.
TEST(ExportVRML, RefusesCoordinatesBeyondTheRangeOfAFloat) {
    const std::pair<SceneObject, std::string> cases[] = {
        {{"Shrubbery", "-1e308", "0", "1e308", "1", ""}, "(line 2), column List3 (X1)"},
        {{"Street", "0", "0", "1", "3.5e38", ""}, "(line 5), column List6 (Y2)"},
        {{"Tree", " 1e39", " 5", "0", "", ""}, "(line 2), column List3 (X)"},
        {{"Spaceship", " 5", "-1e39", "0", "", ""}, "(line 3), column List4 (Y)"},
    };
    for (const auto& [row, column] : cases) {
        try {
            ExportVRML(sceneOf({row}), "");
            ADD_FAILURE() << "no error for " << row.kind << " " << column;
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "Row 1 " + column + " is out of range.");
        }
    }
}

// A damaged file may hold an area's corners reversed: the world gets the rectangle the map draws.
TEST(ExportVRML, ReversedAreaCornersGiveTheSameWorldAsOrderedOnes) {
    for (const char* kind : {"Wall", "Shrubbery"})
        EXPECT_SAME_TEXT(ExportVRML(sceneOf({{kind, "10", "20", "30", "45", ""}}), ""),
                         ExportVRML(sceneOf({{kind, "30", "45", "10", "20", ""}}), ""))
            << kind;
}
