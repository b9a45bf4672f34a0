// Each scene of tests/data/check gives the problems listed for it in check.txt, each named by its
// line and row.

#include "scenefile/SceneCheck.h"

#include "GoldenFile.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace norvane::test;

TEST(SceneCheck, FindsEachProblemOnItsLineAndRow) {
    const std::set<std::filesystem::path> scenes(
        std::filesystem::directory_iterator(dataDir() + "/check"), {});
    std::string found;
    for (const auto& scene : scenes) {
        found += scene.filename().string() + ":\n";
        for (const norvane::Problem& problem : norvane::checkSceneText(readFile(scene.string())))
            found += norvane::describeProblem(problem) + "\n";
    }
    EXPECT_SAME_TEXT(goldenText(dataDir() + "/check.txt", found), found);
}

// A big text is checked in two halves at once; lines and rows count on across the cut, the
// object cut short is the file's last, and a line starting with a byte order mark stays a value.
TEST(SceneCheck, BigTextsFindTheSameProblemsOnTheSameLines) {
    std::string text;
    for (int row = 0; row < 60'000; ++row)
        text += row == 4        ? "Tree\r\nx\r\n 2\r\n0\r\n\r\n\r\n"
                : row == 45'000 ? "\xEF\xBB\xBFTree\r\n 1\r\n 2\r\n0\r\n\r\n\r\n"
                : row == 50'000 ? "Wall\r\n9\r\n0\r\n1\r\n0\r\n\r\n"
                                : "Tree\r\n 1\r\n 2\r\n0\r\n\r\n\r\n";
    text += "Tree\r\n 1\r\n";
    const std::vector<norvane::Problem> expected{
        {26, "X is not a number: \"x\""},
        {270'001, "Unknown object kind \"\xEF\xBB\xBFTree\""},
        {300'004, "X2 is less than X1: \"1\" < \"9\""},
        {360'001, "Incomplete object at the end of the file: 2 of 6 lines"}};
    EXPECT_EQ(norvane::checkSceneText(text), expected);
}
