#include "map/MapZoom.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

struct ZoomCase {
    ZoomLevel level;
    int percent;
    int surface;
    int pixels;
    ScrollRange range;
};

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(Zoom, SurfaceAndScrollSettings) {
    const ZoomCase& c = GetParam();
    EXPECT_EQ(surfaceTwips(c.level), c.surface);
    EXPECT_EQ(zoomFromPercent(c.percent), c.level);
    EXPECT_EQ(twipsToPixels(c.surface), c.pixels);
    EXPECT_EQ(scrollRange(c.surface, kViewportTwips), c.range);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Zoom,
    ::testing::Values(ZoomCase{ZoomLevel::Percent100, 100, 5445, 363, {0, {}, {}}},
                      ZoomCase{ZoomLevel::Percent200, 200, 10890, 726, {5355, 544, 1089}},
                      ZoomCase{ZoomLevel::Percent400, 400, 21780, 1452, {16245, 1089, 2178}}));

TEST(MapZoom, OtherPercentagesAreNotLevels) {
    for (int percent : {0, 50, 150, 300, 800, -100})
        EXPECT_FALSE(zoomFromPercent(percent)) << percent;
}

TEST(MapZoom, SurfaceAsLargeAsTheViewportDoesNotScroll) {
    EXPECT_EQ(scrollRange(kViewportTwips, kViewportTwips), ScrollRange{});
}

TEST(MapZoom, RoundsHalvesToEven) {
    const std::pair<double, long> cases[] = {{544.5, 544}, {545.5, 546}, {1089.0, 1089},
                                             {2.4999, 2},  {2.5001, 3},  {-0.5, 0},
                                             {-1.5, -2},   {-2.5, -2},   {-2.6, -3}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(roundHalfEven(value), expected) << value;
}

TEST(MapZoom, TwipsToPixelsRoundsToTheNearest) {
    EXPECT_EQ(twipsToPixels(5535), 369);
    EXPECT_EQ(twipsToPixels(544), 36);
    EXPECT_EQ(twipsToPixels(-5355), -357);
    EXPECT_EQ(twipsToPixels(-1089), -73);
    EXPECT_EQ(twipsToPixels(-1082), -72);
}

} // namespace
} // namespace norvane
