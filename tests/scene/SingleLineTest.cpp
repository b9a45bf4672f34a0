#include "scene/SingleLine.h"

#include <gtest/gtest.h>

#include <utility>

TEST(SingleLine, LineBreaksAtTheEndsGoAndRunsInsideBecomeOneSpace) {
    const std::pair<const char*, const char*> cases[] = {
        {"home.wrl", "home.wrl"},
        {"http://a.example/x\r\n", "http://a.example/x"},
        {"\n\r\nfirst\r\n\r\nsecond\nthird\r", "first second third"},
        {" spaced \t", " spaced \t"},
        {"\r\n\n", ""},
        {"Gr\xC3\xBC\xC3\x9F"
         "e\ncaf\xC3\xA9",
         "Gr\xC3\xBC\xC3\x9F"
         "e caf\xC3\xA9"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(norvane::singleLine(typed), stored) << typed;
}
