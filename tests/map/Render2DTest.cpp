#include "RecordingCanvas.h"

#include "map/Render2D.h"
#include "scene/Catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace norvane {
namespace {

using test::DrawCall;
using test::RecordingCanvas;
using Op = DrawCall::Op;

constexpr Rgb kWhite{255, 255, 255}, kRed{255, 0, 0}, kBench{100, 75, 0}, kTree{0, 125, 0};

SceneObject point(std::string kind, std::string x, std::string y, std::string code,
                  std::string text = "") {
    return {std::move(kind), std::move(x), std::move(y), std::move(code), "", std::move(text)};
}

SceneObject area(std::string kind, std::string x1, std::string y1, std::string x2, std::string y2) {
    return {std::move(kind), std::move(x1), std::move(y1), std::move(x2), std::move(y2), ""};
}

// The calls between the background and the start marker.
std::vector<DrawCall> objectCalls(std::initializer_list<SceneObject> rows) {
    Scene scene;
    for (const SceneObject& row : rows)
        scene.append(row);
    RecordingCanvas canvas;
    Render2D(scene, canvas);
    const auto& calls = canvas.calls();
    EXPECT_GE(calls.size(), 2u);
    return {calls.begin() + 1, calls.end() - 1};
}

void expectCall(const DrawCall& call, Op op, std::array<float, 4> values, Rgb colour, int pen) {
    EXPECT_EQ(call.op, op) << call;
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_FLOAT_EQ(call.values[i], values[i]) << call << " value " << i;
    EXPECT_EQ(call.colour, colour) << call;
    EXPECT_EQ(call.penWidth, pen) << call;
}

TEST(Render2D, EmptySceneDrawsBackgroundThenStartMarker) {
    RecordingCanvas canvas;
    Render2D(Scene{}, canvas);
    ASSERT_EQ(canvas.calls().size(), 2u);
    expectCall(canvas.calls()[0], Op::FillRect, {0, 0, 100, 100}, {0, 192, 0}, 0);
    const DrawCall& marker = canvas.calls()[1];
    expectCall(marker, Op::Circle, {50, 96, 0.1f, 0}, {50, 50, 150}, 1);
    EXPECT_TRUE(marker.fillSolid);
    EXPECT_EQ(marker.fillColour, (Rgb{150, 150, 255}));
}

TEST(Render2D, BackgroundAloneHasNoStartMarker) {
    RecordingCanvas canvas;
    paintBackground(canvas);
    ASSERT_EQ(canvas.calls().size(), 1u);
    expectCall(canvas.calls()[0], Op::FillRect, {0, 0, 100, 100}, {0, 192, 0}, 0);
}

// Ground kinds go under a tree drawn before them; walls and shrubbery cover it.
TEST(Render2D, AreaAppendedAfterATree) {
    const std::tuple<const char*, bool, Rgb> cases[] = {{"Street", true, {60, 60, 60}},
                                                        {"Sidewalk", true, {255, 255, 192}},
                                                        {"Floor/Ceiling", true, {120, 120, 120}},
                                                        {"Wall", false, {153, 153, 153}},
                                                        {"Shrubbery", false, {0, 125, 0}}};
    for (const auto& [kind, underTree, colour] : cases) {
        SCOPED_TRACE(kind);
        const auto calls =
            objectCalls({point("Tree", " 20", " 20", "0"), area(kind, "15", "15", "25", "25")});
        ASSERT_EQ(calls.size(), 2u);
        expectCall(calls[underTree ? 0 : 1], Op::FillRect, {15, 15, 25, 25}, colour, 1);
        expectCall(calls[underTree ? 1 : 0], Op::Circle, {20, 20, 0.5f, 0}, {0, 125, 0}, 1);
        EXPECT_EQ(calls[underTree ? 1 : 0].fillColour, (Rgb{0, 125, 0}));
    }
}

TEST(Render2D, GroundKindsKeepSceneOrderAmongThemselves) {
    const auto calls =
        objectCalls({area("Sidewalk", "0", "0", "10", "10"), area("Street", "5", "5", "15", "15")});
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].colour, (Rgb{255, 255, 192}));
    EXPECT_EQ(calls[1].colour, (Rgb{60, 60, 60}));
}

// A point row at (20, 30), or at (50, 50) for a text.
SceneObject at(std::string kind, std::string code, std::string text = "") {
    const bool isText = !text.empty();
    return point(std::move(kind), isText ? " 50" : " 20", isText ? " 50" : " 30", std::move(code),
                 std::move(text));
}

// Cars and benches turn with the code; texts of four characters lie along X or Y; positions off
// the map and areas of no size are drawn as written; an anchor does not change the look.
TEST(Render2D, FigureFollowsTheRow) {
    SceneObject linkedHouse = point("House", "-2.5", " 120", "0");
    linkedHouse.list6 = "http://example.com/";
    constexpr Op Rect = Op::FillRect, Line = Op::Line;
    const struct {
        SceneObject row;
        Op op;
        std::array<float, 4> values;
        Rgb colour;
        int pen;
    } cases[] = {
        // clang-format off
        {at("Car (Red)", "0"), Rect, {19.7f, 29.25f, 20.5f, 30.75f}, kRed, 1},
        {at("Car (Red)", "3.14"), Rect, {19.7f, 29.25f, 20.5f, 30.75f}, kRed, 1},
        {at("Car (Red)", "1.57"), Rect, {19.25f, 29.7f, 20.75f, 30.3f}, kRed, 1},
        {at("Car (Blue)", "-1.57"), Rect, {19.25f, 29.7f, 20.75f, 30.3f}, {0, 0, 255}, 1},
        {at("Text (Big)", "3.14", "Shop"), Line, {49, 50, 51, 50}, kWhite, 2},
        {at("Text (Big)", "-1.57", "Shop"), Line, {50, 49, 50, 51}, kWhite, 2},
        {at("Text (Eye-Level)", "0", "Shop"), Line, {49.5f, 50, 50.5f, 50}, kWhite, 1},
        {at("Text (Eye-Level)", "1.57", "Shop"), Line, {50, 49.4f, 50, 50.6f}, kWhite, 1},
        // Characters, not bytes: "Café" is four characters in five UTF-8 bytes.
        {at("Text (Big)", "0", "Caf\xC3\xA9"), Line, {49, 50, 51, 50}, kWhite, 2},
        {at("Bench", "0"), Rect, {19.6f, 29.9f, 20.4f, 30.1f}, kBench, 1},
        {at("Bench", "1.57"), Rect, {19.9f, 29.6f, 20.1f, 30.4f}, kBench, 1},
        {at("Tree", "0.0"), Op::Circle, {20, 30, 0.5f, 0}, kTree, 1},
        {at("Tree", "north"), Op::Circle, {20, 30, 0.5f, 0}, kTree, 1},
        {linkedHouse, Rect, {-4, 118.5f, -1, 121.5f}, {200, 0, 0}, 1},
        {area("Wall", "10", "20", "10", "20"), Rect, {10, 20, 10, 20}, {153, 153, 153}, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.kind + " " + c.row.list3 + " " + c.row.list5);
        const auto calls = objectCalls({c.row});
        ASSERT_EQ(calls.size(), 1u);
        expectCall(calls[0], c.op, c.values, c.colour, c.pen);
    }
}

// Two-figure kinds draw nothing for any text but the four codes, exactly as written.
TEST(Render2D, TwoFigureKindWithAnUnknownCodeIsNotDrawn) {
    for (const char* code : {"0.0", " 0", "1.570", "3.14 ", "", "90", "-0"}) {
        for (const char* kind : {"Bench", "Chair", "Fred", "Table (Square)", "Car (Red)"})
            EXPECT_TRUE(objectCalls({point(kind, " 20", " 30", code)}).empty()) << kind << code;
        EXPECT_EQ(objectCalls({point("Tree", " 20", " 30", code)}).size(), 1u) << code;
    }
}

TEST(Render2D, WideTextPenDoesNotCarryOver) {
    RecordingCanvas canvas;
    Scene scene;
    scene.append(point("Text (Big)", " 50", " 50", "0", "Hi"));
    scene.append(point("Bench", " 10", " 10", "0"));
    Render2D(scene, canvas);
    ASSERT_EQ(canvas.calls().size(), 4u);
    EXPECT_EQ(canvas.calls()[1].penWidth, 2);
    EXPECT_EQ(canvas.calls()[2].penWidth, 1);
    EXPECT_EQ(canvas.penWidth(), 1);
}

TEST(Render2D, NamesOutsideTheCatalogueDrawNothing) {
    EXPECT_TRUE(objectCalls({point("tree", " 20", " 30", "0"), point("Tree ", " 20", " 30", "0"),
                             area("wall", "1", "1", "5", "5"), point("", " 1", " 1", "0")})
                    .empty());
}

TEST(Render2D, RowsWithDamagedNumbersAreSkippedAndTheRestDrawn) {
    const auto calls =
        objectCalls({point("Tree", "abc", " 30", "0"), point("Tree", " 5", "", "0"),
                     area("Street", "1", "2", "x", "4"), area("Wall", "1", "2", "1e300", "4"),
                     point("House", " 1e39", " 5", "0"), point("Tree", " .25", " 7", "0")});
    ASSERT_EQ(calls.size(), 1u);
    expectCall(calls[0], Op::Circle, {0.25f, 7, 0.5f, 0}, {0, 125, 0}, 1);
}

// Every catalogue kind draws exactly one figure in its colour for the codes "0" and "1.57".
TEST(Render2D, EveryCatalogueKindDrawsOneFigure) {
    for (const KindInfo& kind : kCatalogue) {
        const std::string name(kind.name);
        for (const char* code : {"0", "1.57"}) {
            const SceneObject row = kind.shape == Shape::Area
                                        ? area(name, "40", "40", "60", "60")
                                        : point(name, " 50", " 50", code, "abcd");
            const auto calls = objectCalls({row});
            ASSERT_EQ(calls.size(), 1u) << name << ' ' << code;
            const auto& v = calls[0].values;
            if (calls[0].op == Op::Circle) {
                EXPECT_EQ(v[0], 50.0f) << name;
                EXPECT_EQ(v[1], 50.0f) << name;
            } else {
                EXPECT_LE(std::min(v[0], v[2]), 50.0f) << name;
                EXPECT_GE(std::max(v[0], v[2]), 50.0f) << name;
                EXPECT_LE(std::min(v[1], v[3]), 50.0f) << name;
                EXPECT_GE(std::max(v[1], v[3]), 50.0f) << name;
            }
            EXPECT_EQ(calls[0].penWidth, kind.name == "Text (Big)" ? 2 : 1) << name;
        }
    }
}

} // namespace
} // namespace norvane
