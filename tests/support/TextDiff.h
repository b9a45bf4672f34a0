#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane::test {

// Passes when the texts are byte-identical; otherwise names the first differing line (1-based),
// shows both versions of it with CR and LF made visible.
::testing::AssertionResult sameText(std::string_view expected, std::string_view actual);

// How often `part` occurs in `text`, overlapping occurrences included.
std::size_t countOf(std::string_view text, std::string_view part);

// The lines of a text split at CR LF, without their ends; an unended last line is kept too.
std::vector<std::string> crlfLines(std::string_view text);

// Reads a whole file as bytes; fails the current test (and returns "") when it cannot.
std::string readFile(const std::string& path);

// The message of the exception `action` throws, or "(no error)".
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "(no error)";
}

// The folder of test data files (tests/data), as set by CTest.
std::string dataDir();

// A table in the data file `name`: one case a line, fields split by '|', inputs first, then what
// the code must give. `row` makes a line again from its fields; passes when every line comes back
// unchanged (NORVANE_REGENERATE=1 rewrites the file from what comes back).
using TableRow = std::function<std::string(const std::vector<std::string>& fields)>;
::testing::AssertionResult sameTable(const std::string& name, const TableRow& row);

} // namespace norvane::test

#define EXPECT_SAME_TEXT(expected, actual)                                                         \
    EXPECT_TRUE(::norvane::test::sameText((expected), (actual)))
