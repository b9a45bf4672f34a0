#include "scenefile/SceneCheck.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using norvane::checkSceneText;
using norvane::Problem;
using norvane::test::crlf;
using norvane::test::dataDir;
using norvane::test::readFile;

namespace {

struct CheckCase {
    const char* name;
    std::string text;
    std::vector<Problem> expected;
};

const std::string kTree = crlf({"Tree", " 1", " 2", "0", "", ""});

} // namespace

TEST(SceneCheck, FindsEachProblemOnItsLine) {
    const std::vector<CheckCase> cases = {
        {"empty file", "", {}},
        {"clean file", readFile(dataDir() + "/scenefile/mixed.NSC"), {}},
        {"unknown kind",
         kTree + crlf({"tree", " 1", " 2", "0", "", ""}),
         {{7, "Unknown object kind \"tree\""}}},
        {"unknown kind's numbers still checked",
         crlf({"Tree ", "x", " 2", "1e309", "", ""}),
         {{1, "Unknown object kind \"Tree \""},
          {2, "X is not a number: \"x\""},
          {4, "Orientation is out of range: \"1e309\""}}},
        {"byte order mark", "\xEF\xBB\xBF" + kTree, {}},
        {"too long",
         crlf({"Bench", " 0." + std::string(31, '0'), " 2", "0", "", ""}),
         {{2, "X is longer than 32 characters: \" 0." + std::string(31, '0') + "\""}}},
        {"point X", crlf({"Bench", "x1", " 2", "0", "", ""}), {{2, "X is not a number: \"x1\""}}},
        {"point Y empty", crlf({"Bench", " 1", "", "0", "", ""}), {{3, "Y is not a number: \"\""}}},
        {"comma decimal",
         crlf({"Bench", " 1,5", " 2", "0", "", ""}),
         {{2, "X is not a number: \" 1,5\""}}},
        {"orientation",
         crlf({"Bench", " 1", " 2", "90", "", ""}),
         {{4, "Orientation is not one of 0, 3.14, 1.57, -1.57: \"90\""}}},
        {"orientation spaced",
         crlf({"Bench", " 1", " 2", " 0", "", ""}),
         {{4, "Orientation is not one of 0, 3.14, 1.57, -1.57: \" 0\""}}},
        {"area corners",
         crlf({"Street", "10", "20", "5", "19.5", ""}),
         {{4, "X2 is less than X1: \"5\" < \"10\""}, {5, "Y2 is less than Y1: \"19.5\" < \"20\""}}},
        {"beyond a float",
         crlf({"Shrubbery", "-1e308", "0", "1e308", "3.4e38", ""}),
         {{2, "X1 is out of range: \"-1e308\""}, {4, "X2 is out of range: \"1e308\""}}},
        {"beyond a double",
         crlf({"Bench", " 1e309", " 2", "0", "", ""}),
         {{2, "X is out of range: \" 1e309\""}}},
        {"area zero size is fine", crlf({"Wall", "10", "20", "10", "20", ""}), {}},
        {"area text",
         crlf({"Wall", "10", "y", "10", "20", "u"}),
         {{3, "Y1 is not a number: \"y\""}}},
        {"area keeps text kinds' rules apart", crlf({"Shrubbery", "1", "2", "3", "4", "Hi"}), {}},
        {"incomplete",
         kTree + "Tree\r\n 1\r\n",
         {{7, "Incomplete object at the end of the file: "
              "2 of 6 lines"}}},
        {"LF ends",
         "Tree\n 1\n 2\n9\n\n\nFoo\n\n\n\n\n",
         {{4, "Orientation is not one of 0, "
              "3.14, 1.57, -1.57: \"9\""},
          {7, "Incomplete object at the end of "
              "the file: 5 of 6 lines"}}},
        {"control bytes hidden",
         crlf({"Tr\x1b[2Jee", " 1", " 2", "0", "", ""}),
         {{1, "Unknown object kind \"Tr?[2Jee\""}}},
        {"long value cut",
         crlf({std::string(50, 'k'), " 1", " 2", "0", "", ""}),
         {{1, "Unknown object kind \"" + std::string(40, 'k') + "...\""}}},
        {"long value cut between characters",
         crlf({std::string(39, 'k') + "\xC3\xA9\xC3\xA9", " 1", " 2", "0", "", ""}),
         {{1, "Unknown object kind \"" + std::string(39, 'k') + "...\""}}},
    };
    for (const CheckCase& c : cases) {
        const std::vector<Problem> found = checkSceneText(c.text);
        ASSERT_EQ(found.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].line, c.expected[i].line) << c.name;
            EXPECT_EQ(found[i].message, c.expected[i].message) << c.name;
        }
    }
}

TEST(SceneCheck, ProblemsNameTheirLineAndRow) {
    EXPECT_EQ(norvane::describeProblem({21, "Unknown object kind \"tree\""}),
              "line 21, row 4: Unknown object kind \"tree\"");
    EXPECT_EQ(norvane::describeProblem({1, "x"}), "line 1, row 1: x");
}
