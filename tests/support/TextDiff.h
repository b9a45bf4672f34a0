#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace norvane::test {

// Passes when the texts are byte-identical; otherwise names the first differing line (1-based),
// shows both versions of it with CR and LF made visible.
::testing::AssertionResult sameText(std::string_view expected, std::string_view actual);

// Joins lines with CR LF after each: crlf({"a", "b"}) == "a\r\nb\r\n".
std::string crlf(std::initializer_list<std::string_view> lines);

// How often `part` occurs in `text`, overlapping occurrences included.
std::size_t countOf(std::string_view text, std::string_view part);

// The lines of a text split at CR LF, without their ends; an unended last line is kept too.
std::vector<std::string> crlfLines(std::string_view text);

// Reads a whole file as bytes; fails the current test (and returns "") when it cannot.
std::string readFile(const std::string& path);

// The folder of test data files (tests/data), as set by CTest.
std::string dataDir();

} // namespace norvane::test

#define EXPECT_SAME_TEXT(expected, actual)                                                         \
    EXPECT_TRUE(::norvane::test::sameText((expected), (actual)))
#define ASSERT_SAME_TEXT(expected, actual)                                                         \
    ASSERT_TRUE(::norvane::test::sameText((expected), (actual)))
