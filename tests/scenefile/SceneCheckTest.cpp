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
