#include "NorvaneCli.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace norvane::test;

namespace {

std::string mixedPath() {
    return dataDir() + "/scenefile/mixed.NSC";
}

} // namespace

// The options reach the world and the page: the world is what export writes for them, the title
// is the scene file's name unless --title gives one (line breaks dropped as for every value).
TEST(WebPageCommand, WritesThePageWithTheWorldOfTheOptions) {
    TempDir dir;
    const std::string site = dir.file("site").string();
    const std::string music = dataDir() + "/webpage/quiet.wav";
    const ProcessResult run =
        runNorvaneCli({"webpage", mixedPath(), site, "--sky", "Night Sky", "--music", music,
                       "--target", "main\nframe", "--page", "walk.html"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out + run.err, "");
    const norvane::Scene scene = norvane::readSceneText(readFile(mixedPath()));
    EXPECT_SAME_TEXT(norvane::buildWorld(scene, {"Night Sky", "quiet.wav", "main frame"}),
                     readFile(site + "/walk.wrl"));
    EXPECT_EQ(readFile(site + "/quiet.wav"), readFile(music));
    EXPECT_NE(readFile(site + "/walk.html").find("<title>mixed.NSC</title>"), std::string::npos);

    EXPECT_EQ(runNorvaneCli({"webpage", mixedPath(), site, "--title", "My\r\nPark"}).exitCode, 0);
    EXPECT_NE(readFile(site + "/index.html").find("<title>My Park</title>"), std::string::npos);
    EXPECT_SAME_TEXT(norvane::buildWorld(scene, {}), readFile(site + "/index.wrl"));
}

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
