#include "map/PlacementGesture.h"

#include <gtest/gtest.h>

#include <string>

namespace norvane {
namespace {

// None of these placements asks anything: no anchor, no text kind.
class NoPrompt : public Prompt {
public:
    std::string ask(std::string_view text, std::string_view) override {
        ADD_FAILURE() << "unexpected prompt " << text;
        return {};
    }
};

constexpr auto Left = MouseButton::Left;

// Prompts, anchors, the rubber band and every placement value are checked through the main window
// with real mouse events; these are the gesture's odd sequences.
struct GestureTest : ::testing::Test {
    PlacementGesture gesture;
    NoPrompt prompt;
    PlacementChoice choice{"Wall", false, "0", {}};
};

TEST_F(GestureTest, DragUpOrLeftIsDroppedAndStaysArmed) {
    for (MapPoint end : {MapPoint{5, 30}, MapPoint{30, 5}}) {
        gesture.press(Left, {10, 10}, choice.kind);
        gesture.move(end);
        EXPECT_FALSE(gesture.release(Left, end, choice, prompt));
        EXPECT_FALSE(gesture.rubberBandVisible());
        EXPECT_EQ(gesture.dragEnd(), end);
        EXPECT_TRUE(gesture.mapPressed());
    }
    // A release without its own press measures from the last press.
    const auto placed = gesture.release(Left, {12, 11}, choice, prompt);
    ASSERT_TRUE(placed);
    EXPECT_EQ(*placed, (SceneObject{"Wall", "10", "10", "12", "11", ""}));
    EXPECT_FALSE(gesture.mapPressed());
}

TEST_F(GestureTest, ReleaseWithoutPressDoesNothing) {
    EXPECT_FALSE(gesture.release(Left, {5, 5}, choice, prompt));
    EXPECT_FALSE(gesture.mapPressed());
}

} // namespace
} // namespace norvane
