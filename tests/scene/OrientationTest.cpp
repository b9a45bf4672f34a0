#include "scene/Orientation.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

#include <charconv>

using namespace norvane;

namespace {

double numberOf(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string shortest(std::optional<double> value) {
    char text[32] = "-";
    if (value)
        *std::to_chars(text, text + 31, *value).ptr = '\0';
    return text;
}

// text|RADIANS|TEXT, quarter|TEXT|CODE or -, degrees|TEXT|DEGREES or -, turn|TEXT|DEGREES|TEXT,
// next|TEXT|CODE, refusal|KIND|MESSAGE
std::string orientationRow(const std::vector<std::string>& f) {
    const std::string& in = f[1];
    if (f[0] == "text")
        return "text|" + in + "|" + orientationText(numberOf(in));
    if (f[0] == "quarter")
        return "quarter|" + in + "|" + std::string(quarterCode(in).value_or("-"));
    if (f[0] == "degrees")
        return "degrees|" + in + "|" + shortest(orientationDegrees(in));
    if (f[0] == "turn")
        return "turn|" + in + "|" + f[2] + "|" + turnedOrientation(in, numberOf(f[2]));
    if (f[0] == "next")
        return "next|" + in + "|" + nextQuarterTurn(in);
    return "refusal|" + in + "|" + turnRefusal(in);
}

} // namespace

TEST(Orientation, TextsDegreesTurnsAndRefusals) {
    EXPECT_TRUE(test::sameTable("orientation.txt", orientationRow));
}

// Whole and half degrees keep their value through the stored text, so that turns never drift:
// 360 turns of one degree come back to "0", passing each quarter code on the way.
TEST(Orientation, StepsOfADegreeComeBackExactly) {
    std::string text(kFaceForward), codes;
    for (int step = 1; step <= 720; ++step) {
        text = turnedOrientation(text, 0.5);
        ASSERT_EQ(orientationDegrees(text), step * 0.5 > 180 ? step * 0.5 - 360 : step * 0.5);
        codes += quarterCode(text) == text ? text + " " : "";
    }
    EXPECT_EQ(codes, "1.57 3.14 -1.57 0 ");
}
