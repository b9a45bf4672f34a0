#include "vrml/VrmlString.h"

#include <gtest/gtest.h>

using namespace norvane;

// A utf8 world takes valid UTF-8 only: bad bytes become U+FFFD, control characters but tab go.
TEST(VrmlString, EscapesQuoteAndBackslashAndKeepsTheWorldValidUtf8) {
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
        {"tab\tcr\rlf\n\xC3\xA9 ' {}[]#", "tab\tcrlf\xC3\xA9 ' {}[]#"},
        {"nul\0byte\x01\x1f\x7f\xC2\x85."s, "nulbyte."},
        {"\xE2\x82\xAC \xF0\x9F\x8C\xB3 \xC2\xA0", "\xE2\x82\xAC \xF0\x9F\x8C\xB3 \xC2\xA0"},
        {"\xFF\xC3(\xE2\x82x\xED\xA0\x80\xF4\x90\x80\x80\xC0\xAF\xF0\x9F\x8C",
         "\uFFFD\uFFFD(\uFFFDx\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeVrmlString(c.text), c.escaped) << c.text;
}
