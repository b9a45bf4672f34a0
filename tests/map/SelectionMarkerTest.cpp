#include "map/SelectionMarker.h"

#include "map/MapZoom.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

// The marker of a point object in screen twips: a 200-twip square 95 twips up and left of it.
class PointMarker : public ::testing::TestWithParam<ZoomLevel> {};

TEST_P(PointMarker, Is200TwipsAtEveryZoom) {
    const int w = surfaceTwips(GetParam());
    const auto marker = selectionMarker({"Tree", " 40", " 60.5", "0", "", ""}, w, w);
    ASSERT_TRUE(marker);
    const double perUnit = w / 100.0;
    EXPECT_NEAR(marker->width * perUnit, 200.0, 1e-3);
    EXPECT_NEAR(marker->height * perUnit, 200.0, 1e-3);
    EXPECT_NEAR(marker->left * perUnit, 40.0 * perUnit - 95.0, 1e-2);
    EXPECT_NEAR(marker->top * perUnit, 60.5 * perUnit - 95.0, 1e-2);
}

INSTANTIATE_TEST_SUITE_P(Zooms, PointMarker,
                         ::testing::Values(ZoomLevel::Percent100, ZoomLevel::Percent200,
                                           ZoomLevel::Percent400));

TEST(SelectionMarker, PointMarkerAt100PercentInMapUnits) {
    const auto marker = selectionMarker({"Bench", " .25", "-3", "0", "", ""}, 5445, 5445);
    ASSERT_TRUE(marker);
    EXPECT_FLOAT_EQ(marker->width, 20000.0f / 5445.0f);
    EXPECT_FLOAT_EQ(marker->left, 0.25f - 9500.0f / 5445.0f);
    EXPECT_FLOAT_EQ(marker->top, -3.0f - 9500.0f / 5445.0f);
}

TEST(SelectionMarker, AreaMarkerIsTheRectangleAtEveryZoom) {
    for (const ZoomInfo& zoom : kZoomLevels) {
        const auto marker = selectionMarker({"Street", "10", "20", "30.5", "20", "u"},
                                            zoom.surfaceTwips, zoom.surfaceTwips);
        ASSERT_TRUE(marker);
        EXPECT_EQ(*marker, (MapRect{10, 20, 20.5f, 0}));
    }
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
