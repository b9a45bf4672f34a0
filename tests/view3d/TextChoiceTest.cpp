// The texts the 3D view draws: those within reading distance of the eye, nearest first, at most
// kMostTexts of them and only of rows drawn.
#include "view3d/TextChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

// A text of `row`, `fontSize` metres high, scaled by `scale`, standing at `at`.
TextInstance textAt(Vec3 at, double fontSize = 1.0, int row = 0, double scale = 1.0) {
    TextInstance text;
    text.text = "Hello";
    text.fontSize = fontSize;
    text.place = Affine::translation(at) * Affine::scaling({scale, scale, scale});
    text.row = row;
    return text;
}

bool everyRow(int) {
    return true;
}

} // namespace

// Reading distance is 60 m per metre of drawn height, and a text exactly that far is left out;
// distances are measured in single precision, as the view keeps its eye.
TEST(TextChoice, ReadingDistanceGrowsWithTheDrawnHeight) {
    struct Case {
        const char* name;
        TextInstance text;
        Vec3 eye;
        bool chosen;
    };
    const Vec3 origin;
    const Case cases[] = {
        {"1 m high, 59.5 m away", textAt({59.5, 0, 0}), origin, true},
        {"1 m high, exactly 60 m away", textAt({0, 0, -60}), origin, false},
        {"1 m high, 60 m less 1e-7", textAt({59.9999999, 0, 0}), origin, false},
        {"0.5 m high, 29 m away", textAt({29, 0, 0}, 0.5), origin, true},
        {"0.5 m high, 31 m away", textAt({31, 0, 0}, 0.5), origin, false},
        {"scaled twice, 119 m away", textAt({0, 119, 0}, 1, 0, 2), origin, true},
        {"scaled twice, 121 m away", textAt({0, 121, 0}, 1, 0, 2), origin, false},
        {"0.1 m high, 5 m away", textAt({13, 24, 30}, 0.1), {10, 20, 30}, true},
        {"0.1 m high, 10 m away", textAt({16, 28, 30}, 0.1), {10, 20, 30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readableTexts({c.text}, c.eye, everyRow).size(), c.chosen ? 1u : 0u);
    }
}

// Nearest first whatever the order of the list, equal distances in list order, only texts of
// rows drawn.
TEST(TextChoice, NearestFirstOfRowsDrawn) {
    const std::vector<TextInstance> texts = {textAt({0, 0, 9}, 1, 0), textAt({5, 0, 0}, 1, 1),
                                             textAt({0, 0, -5}, 1, 2), textAt({70, 0, 0}, 1, 3),
                                             textAt({1, 0, 0}, 1, -1)};
    EXPECT_EQ(readableTexts(texts, {}, everyRow), (std::vector<std::size_t>{4, 1, 2, 0}));
    EXPECT_EQ(readableTexts(texts, {}, [](int row) { return row % 2 != 0; }),
              (std::vector<std::size_t>{4, 1}));
    EXPECT_TRUE(readableTexts(texts, {}, [](int) { return false; }).empty());
}

// Of 250 texts in reach, listed farthest first, the 200 nearest are drawn, nearest first.
TEST(TextChoice, AtMostTheMostTexts) {
    std::vector<TextInstance> texts;
    for (int i = 250; i > 0; --i)
        texts.push_back(textAt({double(i) * 0.1, 0, 0}, 1, i));
    const std::vector<std::size_t> chosen = readableTexts(texts, {}, everyRow);
    ASSERT_EQ(chosen.size(), kMostTexts);
    for (std::size_t i = 0; i < chosen.size(); ++i)
        EXPECT_EQ(chosen[i], 249 - i) << i;
}
