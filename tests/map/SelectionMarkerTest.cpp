#include "map/SelectionMarker.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

// The marker's size at each zoom is checked on the main window; these are the exact values
// and the rows that get none.
TEST(SelectionMarker, PointMarkerAt100PercentInMapUnits) {
    const auto marker = selectionMarker({"Bench", " .25", "-3", "0", "", ""}, 5445, 5445);
    ASSERT_TRUE(marker);
    EXPECT_FLOAT_EQ(marker->width, 20000.0f / 5445.0f);
    EXPECT_FLOAT_EQ(marker->height, 20000.0f / 5445.0f);
    EXPECT_FLOAT_EQ(marker->left, 0.25f - 9500.0f / 5445.0f);
    EXPECT_FLOAT_EQ(marker->top, -3.0f - 9500.0f / 5445.0f);
}

TEST(SelectionMarker, AreaMarkerIsTheRectangle) {
    const auto marker = selectionMarker({"Street", "10", "20", "30.5", "20", "u"}, 21780, 21780);
    ASSERT_TRUE(marker);
    EXPECT_EQ(*marker, (MapRect{10, 20, 20.5f, 0}));
}

TEST(SelectionMarker, UnknownKindsAreMarkedAsPoints) {
    const auto marker = selectionMarker({"wall", " 10", " 10", "30", "30", ""}, 5445, 5445);
    ASSERT_TRUE(marker);
    EXPECT_FLOAT_EQ(marker->width, 20000.0f / 5445.0f);
}

TEST(SelectionMarker, DamagedNumbersGiveNoMarker) {
    EXPECT_FALSE(selectionMarker({"Tree", "ten", " 10", "0", "", ""}, 5445, 5445));
    EXPECT_FALSE(selectionMarker({"Tree", " 10", "", "0", "", ""}, 5445, 5445));
    EXPECT_FALSE(selectionMarker({"Wall", "1", "2", "3", "4x", ""}, 5445, 5445));
    EXPECT_FALSE(selectionMarker({"Tree", " 10", " 10", "0", "", ""}, 0, 0));
}

} // namespace
} // namespace norvane
