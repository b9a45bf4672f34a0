#include "NorvaneCli.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

using namespace norvane::test;

namespace {

std::string mixedPath() {
    return dataDir() + "/scenefile/mixed.NSC";
}

} // namespace

// Usage faults and unreadable files exit 2, a broken scene 1; each is one line on stderr.
TEST(WebPageCommand, FailuresNameTheFaultAndWriteNothing) {
    TempDir dir;
    const std::string site = dir.file("site").string();
    const std::string broken = dir.file("broken.NSC").string();
    norvane::writeFileAtomically(broken, crlf({"Tree", " 1", " 2"}));
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
        {{"webpage", mixedPath(), site, "--sky", "Grey"},
         2,
         "webpage: unknown sky \"Grey\" (choose \"Blue Sky\", \"Night Sky\", \"Black\" or "
         "\"White\")"},
        {{"webpage", mixedPath(), site, "--page", "a/b.html"},
         2,
         "The page name \"a/b.html\" is not a plain file name ending in .html"},
        {{"webpage", mixedPath(), site, "--music", "none.wav"},
         2,
         "Cannot read none.wav: No such file or directory"},
        {{"webpage", broken, site},
         1,
         broken + ": The scene file ends in the middle of an object: 3 lines is not a multiple "
                  "of 6"},
    };
    for (const auto& [args, exitCode, reason] : cases) {
        const ProcessResult run = runNorvaneCli(args);
        EXPECT_EQ(run.exitCode, exitCode) << reason;
        EXPECT_EQ(run.err, "norvane-cli: " + reason + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(site));
}

TEST(WebPageCommand, TheWorldIsWhatExportWrites) {
    TempDir dir;
    const std::vector<std::string> options{"--sky",    "Night Sky",
                                           "--target", "main\nframe",
                                           "--music",  dataDir() + "/webpage/quiet.wav"};
    std::vector<std::string> webpage{"webpage", mixedPath(), dir.file("site").string()};
    std::vector<std::string> exported{"export", mixedPath(), dir.file("out.wrl").string()};
    webpage.insert(webpage.end(), options.begin(), options.end());
    exported.insert(exported.end(), options.begin(), options.end());
    ASSERT_EQ(runNorvaneCli(webpage).exitCode, 0);
    ASSERT_EQ(runNorvaneCli(exported).exitCode, 0);
    EXPECT_SAME_TEXT(readFile(dir.file("out.wrl").string()),
                     readFile(dir.file("site/index.wrl").string()));
}
