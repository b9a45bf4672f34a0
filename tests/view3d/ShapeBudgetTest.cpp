// The shape budget of the 3D view: which rows a world too big to draw in time hands the renderer.
#include "view3d/ShapeBudget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace norvane;

namespace {

// The rows `drawn` marks.
std::vector<int> markedRows(const std::vector<std::uint8_t>& drawn) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < drawn.size(); ++row)
        if (drawn[row])
            rows.push_back(int(row));
    return rows;
}

// The choice worked out the long way: every row by distance, ties to the first, taken until one
// does not fit.
std::vector<int> nearestTheLongWay(const std::vector<RowSpot>& spots, float x, float z,
                                   std::size_t budget) {
    std::vector<std::pair<float, int>> order;
    for (std::size_t row = 0; row < spots.size(); ++row) {
        const float dx = spots[row].x - x;
        const float dz = spots[row].z - z;
        order.emplace_back(dx * dx + dz * dz, int(row));
    }
    std::sort(order.begin(), order.end());
    std::vector<int> rows;
    std::size_t spent = 0;
    for (const auto& [distance, row] : order) {
        if (spent + spots[std::size_t(row)].shapes > budget)
            break;
        spent += spots[std::size_t(row)].shapes;
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// A row of `count` shapes around (x, z) on the ground.
WorldShapes rowOfShapes(double x, double z, int count) {
    WorldShapes row;
    for (int i = 0; i < count; ++i)
        row.shapes.push_back({kBoxMesh, Affine::translation({x, 1, z}), {}, 0});
    return row;
}

struct MarkCase {
    const char* name;
    std::vector<RowSpot> spots;
    std::size_t budget;
    std::vector<int> drawn; // the eye stands at the origin
};

const std::vector<MarkCase> kMarkCases = {
    // Rows 0 and 2 stand as near; the first of them wins the one place left.
    {"ties go to the first row", {{3, 4, 2}, {1, 0, 2}, {0, 5, 2}}, 4, {0, 1}},
    {"the budget exactly spent", {{1, 0, 3}, {2, 0, 3}, {3, 0, 3}}, 6, {0, 1}},
    {"one shape short of the next row", {{1, 0, 3}, {2, 0, 3}, {3, 0, 3}}, 8, {0, 1}},
    {"every row fits", {{1, 0, 3}, {2, 0, 3}}, 100, {0, 1}},
    // Rows without shapes (a text alone) cost nothing, up to the first row that does not fit.
    {"rows with no shapes", {{5, 0, 4}, {1, 0, 0}, {2, 0, 0}, {9, 0, 0}}, 0, {1, 2}},
    {"no budget, every row of none", {{1, 0, 0}, {2, 0, 0}}, 0, {0, 1}},
    // The nearest row alone is over the budget: nothing is drawn, not even the far small rows.
    {"a row bigger than the budget", {{1, 0, 10}, {7, 0, 1}, {8, 0, 1}}, 5, {}},
    {"no rows", {}, 10, {}},
};

} // namespace

TEST(NearestRows, MarksTheNearestRowsThatFit) {
    for (const MarkCase& c : kMarkCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> drawn(c.spots.size(), 0);
        const std::size_t count = markNearestRows(c.spots, 0, 0, c.budget, drawn);
        EXPECT_EQ(markedRows(drawn), c.drawn);
        EXPECT_EQ(count, c.drawn.size());
    }
}

// Thousands of rows, many at equal distances and of uneven sizes, so that the choice sorts in
// several steps: it must take the rows the full sort takes.
TEST(NearestRows, ChoosingInStepsEqualsTheFullSort) {
    std::vector<RowSpot> spots;
    for (int row = 0; row < 5'000; ++row)
        spots.push_back({float(row % 37) - 18, float(row % 23) * 0.5f,
                         std::uint32_t(row % 11 == 0 ? 120 : row % 4)});
    for (const std::size_t budget : {0u, 1u, 100u, 2'000u, 6'500u, 1'000'000u}) {
        SCOPED_TRACE(std::to_string(budget));
        std::vector<std::uint8_t> drawn(spots.size(), 0);
        const std::size_t count = markNearestRows(spots, 2.5f, 3.0f, budget, drawn);
        const std::vector<int> expected = nearestTheLongWay(spots, 2.5f, 3.0f, budget);
        EXPECT_EQ(markedRows(drawn), expected);
        EXPECT_EQ(count, expected.size());
    }
}

TEST(NearestRows, SpotIsTheMiddleOfTheShapesOrTheFirstText) {
    WorldShapes shapes = rowOfShapes(2, -4, 1);
    shapes.shapes.push_back({kBoxMesh, Affine::translation({6, 9, 0}), {}, 0});
    TextInstance text;
    text.place = Affine::translation({-7, 0, 3});
    shapes.texts.push_back(text);
    EXPECT_EQ(rowSpotOf(shapes), (RowSpot{4, -2, 2}));
    shapes.shapes.clear();
    EXPECT_EQ(rowSpotOf(shapes), (RowSpot{-7, 3, 0}));
    EXPECT_EQ(rowSpotOf({}), RowSpot{});
}

// A ground of 2 shapes and rows of 3 shapes at X = 1, 2, 3, 4.
class ShapeBudgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        budget.forgetRows(2, 4);
        for (int row = 0; row < 4; ++row)
            budget.addRow(rowOfShapes(row + 1, 0, 3));
    }
    ShapeBudget budget;
};

TEST_F(ShapeBudgetTest, UnderTheBudgetEveryRowIsDrawn) {
    EXPECT_EQ(budget.rowCount(), 4u);
    EXPECT_EQ(budget.shapeCount(), 14u);
    EXPECT_FALSE(budget.choose(0, 0, 14));
    EXPECT_FALSE(budget.limited());
    EXPECT_EQ(budget.drawnRows(), 0u);
    EXPECT_TRUE(budget.drawnMarks().empty());
    for (int row : {-1, 0, 3, 99})
        EXPECT_TRUE(budget.isDrawn(row)) << row;
}

// 13 shapes leave the rows 11 beside the ground's 2: the three rows nearest the eye.
TEST_F(ShapeBudgetTest, OverTheBudgetTheNearestRowsBesideTheGround) {
    EXPECT_TRUE(budget.choose(4, 0, 13));
    EXPECT_TRUE(budget.limited());
    EXPECT_EQ(budget.drawnRows(), 3u);
    EXPECT_EQ(markedRows(budget.drawnMarks()), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(budget.isDrawn(0));
    EXPECT_TRUE(budget.isDrawn(1));
    EXPECT_FALSE(budget.isDrawn(-1)); // the ground is no row
    EXPECT_FALSE(budget.isDrawn(4));

    EXPECT_TRUE(budget.choose(0, 0, 7)); // the eye at the other end, room for one row
    EXPECT_EQ(markedRows(budget.drawnMarks()), (std::vector<int>{0}));
    EXPECT_TRUE(budget.choose(0, 0, 1)); // less than the ground: rows of no shapes only
    EXPECT_TRUE(budget.limited());
    EXPECT_EQ(budget.drawnRows(), 0u);

    EXPECT_TRUE(budget.choose(0, 0, 1'000)); // back under the budget
    EXPECT_FALSE(budget.limited());
    EXPECT_EQ(budget.drawnRows(), 0u);
    EXPECT_TRUE(budget.drawnMarks().empty());
    EXPECT_TRUE(budget.isDrawn(0));
}

// Rows built after a choice wait for the next one; forgetting the rows keeps the choice made.
TEST_F(ShapeBudgetTest, TheChoiceLastsUntilTheNextOne) {
    ASSERT_TRUE(budget.choose(4, 0, 13));
    budget.addRow(rowOfShapes(4, 0, 1));
    EXPECT_EQ(budget.shapeCount(), 15u);
    EXPECT_FALSE(budget.isDrawn(4));

    budget.forgetRows(5, 0);
    EXPECT_EQ(budget.rowCount(), 0u);
    EXPECT_EQ(budget.shapeCount(), 5u);
    EXPECT_TRUE(budget.limited());
    EXPECT_TRUE(budget.isDrawn(1));
    EXPECT_EQ(budget.drawnRows(), 3u);
    EXPECT_TRUE(budget.choose(0, 0, 4)); // the ground alone is over: no row to draw
    EXPECT_TRUE(budget.limited());
    EXPECT_FALSE(budget.isDrawn(1));
}
