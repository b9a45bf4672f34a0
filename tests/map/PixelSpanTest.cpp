#include "map/PixelSpan.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

struct SpanCase {
    float a, b;
    int pixels;
    PixelSpan expected;
};

class Span : public ::testing::TestWithParam<SpanCase> {};

TEST_P(Span, CoversThePixelsBetweenTheNearestEdges) {
    const SpanCase& c = GetParam();
    EXPECT_EQ(pixelSpan(c.a, c.b, c.pixels), c.expected);
    EXPECT_EQ(pixelSpan(c.b, c.a, c.pixels), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Span,
    ::testing::Values(SpanCase{0, 100, 363, {0, 362}},          // the whole map
                      SpanCase{48.5f, 51.5f, 1452, {704, 747}}, // a house at 400 %
                      SpanCase{10, 10, 363, {36, 36}},          // no width: one pixel
                      // a clicked pixel comes back as itself despite float rounding
                      SpanCase{float(121 * 100.0 / 363), float(121 * 100.0 / 363), 363, {121, 121}},
                      SpanCase{-2, 1, 100, {-2, 0}}, // off the left edge
                      SpanCase{1e30f, 2e30f, 363, {1000000, 1000000}}));

TEST(PixelSpan, EdgesRoundToTheNearest) {
    EXPECT_EQ(pixelEdge(50, 363), 182); // 181.5 goes to the even neighbour
    EXPECT_EQ(pixelEdge(33.3f, 363), 121);
    EXPECT_EQ(pixelEdge(-1e30f, 363), -1000000);
}

} // namespace
} // namespace norvane
