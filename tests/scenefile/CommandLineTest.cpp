#include "scenefile/CommandLine.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

// A command line names a scene file when "NSC" occurs in it in any case; one pair of quotes
// around the whole line is removed, nothing else. Lines: LINE|WHETHER IT NAMES ONE|PATH
TEST(CommandLine, NamesSceneFileAndUnquotesPath) {
    EXPECT_TRUE(norvane::test::sameTable("command-lines.txt", [](const auto& f) {
        return f[0] + (norvane::namesSceneFile(f[0]) ? "|names a scene file|" : "|names none|") +
               norvane::unquotePath(f[0]);
    }));
}
