#include "scenefile/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using norvane::namesSceneFile;
using norvane::unquotePath;

TEST(CommandLine, NamesSceneFileWhenNscAppearsInAnyCase) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"", false},
        {"/home/ann/street.NSC", true},
        {"/home/ann/street.nsc", true},
        {"/home/ann/street.NsC", true},
        {"/home/NSC-files/street.txt", true},
        {"\"/tmp/a b.nsc\"", true},
        {"/home/ann/street.wrl", false},
        {"N S C", false},
        {"NS", false},
        {"nsc", true},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(namesSceneFile(line), expected) << line;
}

TEST(CommandLine, UnquotePathRemovesOnlyOnePairOfQuotes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"/tmp/a.NSC", "/tmp/a.NSC"},
        {" sp.NSC", " sp.NSC"},
        {"/tmp/a.NSC \t", "/tmp/a.NSC \t"},
        {"\"/tmp/a b.NSC\"", "/tmp/a b.NSC"},
        {" \"/tmp/a b.NSC\"", " \"/tmp/a b.NSC\""},
        {"\" /tmp/inner spaces kept \"", " /tmp/inner spaces kept "},
        {"\"\"/tmp/a.NSC\"\"", "\"/tmp/a.NSC\""},
        {"\"/tmp/a.NSC", "\"/tmp/a.NSC"},
        {"/tmp/a.NSC\"", "/tmp/a.NSC\""},
        {"\"", "\""},
        {"\"\"", ""},
        {"/tmp/my \"quoted\" name.NSC", "/tmp/my \"quoted\" name.NSC"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(unquotePath(line), expected) << line;
}
