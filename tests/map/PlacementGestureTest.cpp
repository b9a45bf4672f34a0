#include "map/PlacementGesture.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace norvane {
namespace {

// Answers from a queue and records every question as "prompt|title".
class QueuePrompt : public Prompt {
public:
    std::deque<std::string> answers;
    std::vector<std::string> asked;

    std::string ask(std::string_view text, std::string_view title) override {
        asked.push_back(std::string(text) + "|" + std::string(title));
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected prompt " << asked.back();
            return {};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

constexpr auto Left = MouseButton::Left;
const std::string kUrlQuestion = "Enter URL|VRML Anchor";
const std::string kTextQuestion = "Enter Text String|Text";

struct GestureTest : ::testing::Test {
    PlacementGesture gesture;
    QueuePrompt prompt;
    PlacementChoice choice{"Tree", false, "0"};

    std::optional<SceneObject> click(MapPoint at) {
        gesture.press(Left, at, choice.kind);
        return gesture.release(Left, at, choice, prompt);
    }
    std::optional<SceneObject> drag(MapPoint from, MapPoint to) {
        gesture.press(Left, from, choice.kind);
        gesture.move(to);
        return gesture.release(Left, to, choice, prompt);
    }
};

TEST_F(GestureTest, AnchorUrlGoesToTheKindsColumn) {
    choice = {"Tree", true, "0"};
    prompt.answers = {"http://a.example/", "page.html"};
    const auto tree = click({1, 2});
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->list6, "http://a.example/");
    EXPECT_FALSE(choice.withAnchor);
    choice = {"Wall", true, "0"};
    const auto wall = drag({1, 2}, {3, 4});
    ASSERT_TRUE(wall);
    EXPECT_EQ(*wall, (SceneObject{"Wall", "1", "2", "3", "4", "page.html"}));
    EXPECT_EQ(prompt.asked, (std::vector{kUrlQuestion, kUrlQuestion}));
}

TEST_F(GestureTest, CancelledUrlAbandonsAndHidesTheRubberBand) {
    choice = {"Street", true, "0"};
    prompt.answers = {""};
    EXPECT_FALSE(drag({10, 10}, {20, 20}));
    EXPECT_FALSE(choice.withAnchor);
    EXPECT_FALSE(gesture.rubberBandVisible());
    EXPECT_TRUE(gesture.mapPressed());
}

TEST_F(GestureTest, TextKindAsksUrlThenTextAndCancellingTextLosesTheUrl) {
    choice = {"Text (Big)", true, "1.57"};
    prompt.answers = {"http://x/", ""};
    EXPECT_FALSE(click({5, 5}));
    EXPECT_EQ(prompt.asked, (std::vector{kUrlQuestion, kTextQuestion}));
    EXPECT_FALSE(choice.withAnchor);
    // The second release of a double click runs the steps again, now without the anchor.
    prompt.answers = {"Main St"};
    const auto placed = gesture.release(Left, {6, 7}, choice, prompt);
    ASSERT_TRUE(placed);
    EXPECT_EQ(*placed, (SceneObject{"Text (Big)", " 6", " 7", "1.57", "", "Main St"}));
}

TEST_F(GestureTest, AreaDragStoresBothCornersInPlainForm) {
    choice = {"Street", false, "1.57"};
    const auto placed = drag({10, 20}, {30.5f, 20});
    ASSERT_TRUE(placed);
    EXPECT_EQ(*placed, (SceneObject{"Street", "10", "20", "30.5", "20", ""}));
    EXPECT_EQ(gesture.dragStart(), (MapPoint{10, 20}));
    EXPECT_EQ(gesture.dragEnd(), (MapPoint{30.5f, 20}));
    EXPECT_FALSE(gesture.rubberBandVisible());
    EXPECT_FALSE(gesture.mapPressed());
}

TEST_F(GestureTest, RubberBandGrowsOnlyRightAndDown) {
    choice = {"Sidewalk", false, "0"};
    gesture.press(Left, {10, 10}, choice.kind);
    EXPECT_EQ(gesture.rubberBand(), (MapRect{10, 10, 1, 1}));
    gesture.move({15, 5});
    EXPECT_EQ(gesture.rubberBand(), (MapRect{10, 10, 5, 1}));
    gesture.move({12, 14});
    EXPECT_EQ(gesture.rubberBand(), (MapRect{10, 10, 2, 4}));
    gesture.move({10, 10});
    EXPECT_EQ(gesture.rubberBand(), (MapRect{10, 10, 2, 4}));
}

TEST_F(GestureTest, DragUpOrLeftIsDroppedAndStaysArmed) {
    choice = {"Wall", false, "0"};
    for (MapPoint end : {MapPoint{5, 30}, MapPoint{30, 5}}) {
        gesture.press(Left, {10, 10}, choice.kind);
        gesture.move(end);
        EXPECT_EQ(gesture.rubberBand(),
                  (MapRect{10, 10, end.x > 10 ? 20.0f : 1.0f, end.y > 10 ? 20.0f : 1.0f}));
        EXPECT_FALSE(gesture.release(Left, end, choice, prompt));
        EXPECT_FALSE(gesture.rubberBandVisible());
        EXPECT_EQ(gesture.dragEnd(), end);
        EXPECT_TRUE(gesture.mapPressed());
    }
    // A release without its own press measures from the last press.
    const auto placed = gesture.release(Left, {12, 11}, choice, prompt);
    ASSERT_TRUE(placed);
    EXPECT_EQ(*placed, (SceneObject{"Wall", "10", "10", "12", "11", ""}));
}

TEST_F(GestureTest, ReleaseWithoutPressDoesNothing) {
    EXPECT_FALSE(gesture.release(Left, {5, 5}, choice, prompt));
    EXPECT_FALSE(gesture.mapPressed());
}

} // namespace
} // namespace norvane
