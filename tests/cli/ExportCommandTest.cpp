#include "NorvaneCli.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
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
        {"music after a backslash", {"--music", "C:\\music\\x.wav"}, {"Blue Sky", "x.wav", ""}},
        {"line breaks in values",
         {"--target", "\r\nmain\n\nframe\n", "--sky=Black\n"},
         {"Black", "", "main frame"}},
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
    // Bytes that are no UTF-8, and control characters, in every kind of quoted text.
    const std::string bytesScene = dir.file("bytes.NSC").string();
    norvane::writeFileAtomically(
        bytesScene, crlf({"Text (Big)", " 5", " 5", "0", "u\x02\xfe.htm", "say\x1b[2J \xe2\x82"}));
    const std::vector<std::vector<std::string>> runs = {
        {"export", empty, dir.file("empty.wrl").string()},
        {"export", mixedPath(), dir.file("night.wrl").string(), "--sky", "Night Sky", "--music",
         "r\"ain.wav", "--target", "fr\\ame \"x\""},
        {"preview-file", mixedPath(), dir.file("tester.wrl").string()},
        {"export", bytesScene, dir.file("bytes.wrl").string(), "--music", "a\x01\xff.wav",
         "--target", "t\x7f\xc3("},
    };
    for (const auto& args : runs) {
        ASSERT_EQ(runNorvaneCli(args).exitCode, 0) << args[2];
        EXPECT_TRUE(readsWithoutWarnings(args[2]));
    }
    EXPECT_SAME_TEXT(norvane::buildWorld({}, {}), readFile(runs[0][2]));
    const std::string bytesWorld = readFile(runs[3][2]);
    EXPECT_EQ(bytesWorld.find_first_of(std::string("\x01\x02\x1b\x7f\xfe\xff", 6)),
              std::string::npos);
    for (const char* quoted : {"\"say[2J \xEF\xBF\xBD\"", "\"u\xEF\xBF\xBD.htm\"",
                               "\"a\xEF\xBF\xBD.wav\"", "\"target=t\xEF\xBF\xBD(\""})
        EXPECT_NE(bytesWorld.find(quoted), std::string::npos) << quoted;
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

// Devices and pipes are written to, never replaced; the input is never the output.
TEST(ExportCommand, OutputsThatAreNotPlainFilesOrAreTheInput) {
    TempDir dir;
    const std::string scene = dir.file("same.NSC").string();
    const std::string link = dir.file("link.wrl").string();
    const std::string locked = dir.file("locked.wrl").string();
    norvane::writeFileAtomically(scene, readFile(mixedPath()));
    norvane::writeFileAtomically(locked, "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    std::filesystem::create_symlink(scene, link);
    const std::string world = norvane::buildWorld(mixedScene(), {});
    const std::vector<std::tuple<std::string, int, std::string, std::string>> cases = {
        {"/dev/null", 0, "", ""},
        {"/dev/stdout", 0, world, ""},
        {"/dev/full", 2, "", "Cannot write /dev/full: No space left on device"},
        {scene, 2, "", "Cannot write " + scene + ": it is the scene file being read"},
        {link, 2, "", "Cannot write " + link + ": it is the scene file being read"},
        {locked, 2, "", "Cannot write " + locked + ": Permission denied"},
    };
    for (const auto& [out, exitCode, printed, reason] : cases) {
        const ProcessResult run = runNorvaneCli({"export", scene, out});
        EXPECT_EQ(run.exitCode, exitCode) << out;
        EXPECT_SAME_TEXT(printed, run.out) << out;
        EXPECT_EQ(run.err, reason.empty() ? "" : "norvane-cli: " + reason + "\n");
    }
    EXPECT_EQ(runNorvaneCli({"preview-file", link, scene}).exitCode, 2);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(readFile(scene), readFile(mixedPath()));
    EXPECT_EQ(readFile(locked), "old");
}

TEST(ExportCommand, MusicThatNamesNoFileIsRefused) {
    TempDir dir;
    for (const char* music : {"dir/", "C:\\music\\", ""}) {
        const ProcessResult run =
            runNorvaneCli({"export", mixedPath(), dir.file("out.wrl").string(), "--music", music});
        EXPECT_EQ(run.exitCode, 2) << music;
        EXPECT_EQ(run.err,
                  "norvane-cli: export: --music names no file: \"" + std::string(music) + "\"\n");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
