#include "scenefile/SceneFile.h"
#include "platform/AtomicFile.h"
#include "scene/Error.h"
#include "scenefile/SceneFileInput.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vector>

using norvane::Error;
using norvane::readSceneText;
using norvane::Scene;
using norvane::SceneObject;
using norvane::writeSceneText;
using norvane::test::crlf;
using norvane::test::dataDir;
using norvane::test::readFile;
using norvane::test::TempDir;

namespace {

Scene sceneOf(const std::vector<SceneObject>& objects) {
    Scene scene;
    for (const SceneObject& object : objects)
        scene.append(object);
    return scene;
}

// The objects of tests/data/scenefile/mixed.NSC.
Scene mixedScene() {
    return sceneOf({
        {"Tree", " 40.5", " 62.25", "0", "", ""},
        {"Street", "10", "20", "30.5", "20", ""},
        {"Text (Big)", " .25", "-2.5", "1.57", "http://example.com/a b", "  Welcome  "},
        {"Wall", "0", "0", "100", "0.5", "rooms.htm"},
        {"Car (Red)", " 99.99999", " 100", "-1.57", "", ""},
    });
}

std::string errorOf(std::string_view text) {
    try {
        readSceneText(text);
    } catch (const norvane::Error& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace

TEST(SceneFile, EmptySceneIsEmptyFileAndBack) {
    EXPECT_EQ(writeSceneText(Scene{}), "");
    EXPECT_TRUE(readSceneText("").empty());
}

// Six CR LF lines per object, leading spaces and empty values kept.
TEST(SceneFile, KnownFileReadsAndWritesBackByteForByte) {
    const std::string bytes = readFile(dataDir() + "/scenefile/mixed.NSC");
    EXPECT_EQ(readSceneText(bytes), mixedScene());
    EXPECT_SAME_TEXT(bytes, writeSceneText(mixedScene()));
}

TEST(SceneFile, RoundTripKeepsEveryValueExactly) {
    const Scene scene = sceneOf({
        {"Tree", " 1", " 2", "0", "", ""},
        {"  spaced kind  ", "\t", "a\rb", "ends in CR\r", "\r", std::string("nul\0x", 5)},
        {"", "", "", "", "", ""},
        {"Text (Eye-Level)", "-0", "1e3", "3.14", "\xe9t\xe9", "\xff"},
    });
    EXPECT_EQ(readSceneText(writeSceneText(scene)), scene);
}

// Line-end variants that all read as the same single wall.
TEST(SceneFile, AcceptsLfEndsEmptyLinesAndAnUnendedLastLine) {
    const SceneObject wall{"Wall", "0", " 2", "1", "", "u"};
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"CR LF", "Wall\r\n0\r\n 2\r\n1\r\n\r\nu\r\n"},
        {"LF only", "Wall\n0\n 2\n1\n\nu\n"},
        {"mixed", "Wall\n0\r\n 2\n1\r\n\nu\r\n"},
        {"last line unended", "Wall\r\n0\r\n 2\r\n1\r\n\r\nu"},
        {"last line unended after CR", "Wall\r\n0\r\n 2\r\n1\r\n\r\nu\r"},
    };
    for (const auto& [name, text] : cases)
        EXPECT_EQ(readSceneText(text), sceneOf({wall})) << name;
}

TEST(SceneFile, OnlyOneCrBeforeLfIsDropped) {
    const Scene scene = readSceneText("a\r\r\n\rb\r\nc \r\n d\r\n\r\r\n e\r");
    ASSERT_EQ(scene.count(), 1u);
    EXPECT_EQ(scene.row(0), (SceneObject{"a\r", "\rb", "c ", " d", "\r", " e"}));
}

TEST(SceneFile, RefusesIncompleteObjectsAndNamesTheCount) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\n", "1 line is"},
        {"Tree", "1 line is"},
        {"Tree\r\n 1\r\n 2\r\n0\r\n\r\n", "5 lines is"},
        {crlf({"a", "b", "c", "d", "e", "f", "g"}), "7 lines is"},
        {crlf({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"}) + "m", "13 lines is"},
        {"Tree\r 1\r 2\r0\r\r\r",
         "1 line is not a multiple of 6 (lines ended by CR alone are not supported; use CR LF or "
         "LF)"},
    };
    for (const auto& [text, count] : cases) {
        const std::string message = count.ends_with("is") ? count + " not a multiple of 6" : count;
        EXPECT_EQ(errorOf(text), "The scene file ends in the middle of an object: " + message)
            << text;
    }
}

TEST(SceneFile, ByteOrderMarksAtTheStartAreNotPartOfTheFirstKind) {
    const Scene scene = readSceneText("\xEF\xBB\xBF\xEF\xBB\xBFTree\r\n 1\r\n 2\r\n0\r\n\r\n\r\n");
    ASSERT_EQ(scene.count(), 1u);
    EXPECT_EQ(scene.row(0).kind, "Tree");
}

// Endless devices end at their first chunk; the editor's choice never waits on a FIFO.
TEST(SceneFile, ReadingRefusesBinaryAndEndlessInputAndOtherTypesWhenAsked) {
    using norvane::FileTypes;
    TempDir dir;
    const std::string jpeg = dir.file("photo.NSC").string();
    const std::string zeroLink = dir.file("zero.NSC").string();
    const std::string fifo = dir.file("fifo.NSC").string();
    norvane::writeFileAtomically(jpeg, std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11));
    std::filesystem::create_symlink("/dev/zero", zeroLink);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string binary = ": it is not a Norvane scene file";
    const std::vector<std::tuple<std::string, FileTypes, std::string>> cases = {
        {"/dev/zero", FileTypes::Any, binary},
        {"/dev/urandom", FileTypes::Any, binary},
        {zeroLink, FileTypes::Any, binary},
        {jpeg, FileTypes::RegularOnly, binary},
        {zeroLink, FileTypes::RegularOnly, ": not a regular file"},
        {fifo, FileTypes::RegularOnly, ": not a regular file"},
        {dir.path().string(), FileTypes::Any, ": Is a directory"},
    };
    for (const auto& [path, types, reason] : cases) {
        try {
            norvane::readSceneFileText(path, types);
            ADD_FAILURE() << "no error for " << path;
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "Cannot read " + path + reason);
        }
    }
}

TEST(SceneFile, WriterRefusesValuesWithLineFeeds) {
    const Scene scene = sceneOf(
        {{"Tree", " 1", " 2", "0", "", ""}, {"Text (Big)", " 1", " 2", "0", "", "two\nlines"}});
    try {
        writeSceneText(scene);
        FAIL() << "no error";
    } catch (const norvane::Error& error) {
        EXPECT_STREQ(error.what(),
                     "Cannot save the scene: object 2 holds a line break in one of its texts");
    }
}
