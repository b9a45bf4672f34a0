#include "vrml/VrmlString.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(VrmlString, EscapesOnlyQuoteAndBackslash) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        std::string escaped;
    } cases[] = {
        {"", ""},
        {"home.wrl", "home.wrl"},
        {R"(")", R"(\")"},
        {R"(\)", R"(\\)"},
        {R"(a"b\c)", R"(a\"b\\c)"},
        {R"(\"")", R"(\\\"\")"},
        {R"(C:\worlds\"x".wrl)", R"(C:\\worlds\\\"x\".wrl)"},
        {"tab\tcr\rlf\n\xC3\xA9 ' {}[]#", "tab\tcr\rlf\n\xC3\xA9 ' {}[]#"},
        {"nul\0byte"s, "nul\0byte"s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeVrmlString(c.text), c.escaped) << c.text;
}
