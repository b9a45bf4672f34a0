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

using norvane::WorldOptions;
using namespace norvane::test;

namespace {

std::string mixedPath() {
    return dataDir() + "/scenefile/mixed.NSC";
}

norvane::Scene mixedScene() {
    return norvane::readSceneText(readFile(mixedPath()));
}

struct ExportCase {
    const char* name;
    std::vector<std::string> options;
    WorldOptions expected;
};

} // namespace

TEST(ExportCommand, WritesExactlyTheWorldForTheOptions) {
    const std::vector<ExportCase> cases = {
        {"defaults", {}, {}},
        {"night", {"--sky", "Night Sky"}, {"Night Sky", "", ""}},
        {"black with =", {"--sky=Black"}, {"Black", "", ""}},
        {"music path keeps the name", {"--music", "sounds/rain.wav"}, {"Blue Sky", "rain.wav", ""}},
        {"target", {"--target", "main frame"}, {"Blue Sky", "", "main frame"}},
        {"all",
         {"--target=_top", "--music", "a.wav", "--sky", "White"},
         {"White", "a.wav", "_top"}},
    };
    TempDir dir;
    for (const ExportCase& c : cases) {
        const std::string out = dir.file(std::string(c.name) + ".wrl").string();
        std::vector<std::string> args{"export", mixedPath(), out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ProcessResult run = runNorvaneCli(args);
        EXPECT_EQ(run.exitCode, 0) << c.name << run.err;
        EXPECT_EQ(run.out + run.err, "") << c.name;
        EXPECT_SAME_TEXT(norvane::buildWorld(mixedScene(), c.expected), readFile(out)) << c.name;
    }
}

TEST(ExportCommand, PreviewFileWritesThePreviewWorld) {
    TempDir dir;
    const std::string preview = dir.file("tester.wrl").string();
    EXPECT_EQ(runNorvaneCli({"preview-file", mixedPath(), preview}).exitCode, 0);
    EXPECT_SAME_TEXT(norvane::buildPreviewWorld(mixedScene()), readFile(preview));
}

TEST(ExportCommand, WrittenWorldsPassTheVrmlReader) {
    TempDir dir;
    const std::string empty = dir.file("empty.NSC").string();
    norvane::writeFileAtomically(empty, "");
    const std::vector<std::vector<std::string>> runs = {
        {"export", empty, dir.file("empty.wrl").string()},
        {"export", mixedPath(), dir.file("night.wrl").string(), "--sky", "Night Sky", "--music",
         "r\"ain.wav", "--target", "fr\\ame \"x\""},
        {"preview-file", mixedPath(), dir.file("tester.wrl").string()},
    };
    for (const auto& args : runs) {
        ASSERT_EQ(runNorvaneCli(args).exitCode, 0) << args[2];
        EXPECT_TRUE(readsWithoutWarnings(args[2]));
    }
    EXPECT_SAME_TEXT(norvane::buildWorld({}, {}), readFile(runs[0][2]));
}

TEST(ExportCommand, FailuresLeaveTheOldOutputAlone) {
    TempDir dir;
    const std::string out = dir.file("old.wrl").string();
    const std::string broken = dir.file("broken.NSC").string();
    const std::string notNumbers = dir.file("letters.NSC").string();
    const std::string missing = dir.file("missing.NSC").string();
    norvane::writeFileAtomically(out, "old world\r\n");
    norvane::writeFileAtomically(broken, crlf({"Tree", " 1", " 2"}));
    norvane::writeFileAtomically(notNumbers, crlf({"Tree", "x", "y", "0", "", ""}));

    ProcessResult run = runNorvaneCli({"export", broken, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "norvane-cli: " + broken +
                           ": The scene file ends in the middle of an object: 3 lines is not a "
                           "multiple of 6\n");
    run = runNorvaneCli({"preview-file", notNumbers, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("norvane-cli: " + notNumbers + ": ", 0), 0u) << run.err;
    run = runNorvaneCli({"export", missing, out});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "norvane-cli: Cannot read " + missing + ": No such file or directory\n");
    EXPECT_EQ(readFile(out), "old world\r\n");
}

TEST(ExportCommand, UnwritableOutputIsAnIoFailure) {
    TempDir dir;
    const std::string noFolder = dir.file("no-folder").string() + "/out.wrl";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {noFolder, "No such file or directory"},
        {dir.path().string(), "Is a directory"},
    };
    for (const auto& [out, reason] : cases) {
        for (const char* command : {"export", "preview-file"}) {
            const ProcessResult run = runNorvaneCli({command, mixedPath(), out});
            EXPECT_EQ(run.exitCode, 2) << command;
            EXPECT_EQ(run.err, "norvane-cli: Cannot write " + out + ": " + reason + "\n");
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
