#include "map/MapZoom.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

// The sizes and scroll steps of each zoom level are checked on the main window; these are the
// rounding rules under them.
TEST(MapZoom, OnlyThreePercentagesAreLevels) {
    for (int percent : {0, 50, 150, 300, 800, -100})
        EXPECT_FALSE(zoomFromPercent(percent)) << percent;
    EXPECT_EQ(zoomFromPercent(400), ZoomLevel::Percent400);
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
    const std::pair<int, int> cases[] = {
        {5535, 369}, {544, 36}, {-5355, -357}, {-1089, -73}, {-1082, -72}};
    for (auto [twips, pixels] : cases)
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
}

} // namespace
} // namespace norvane
