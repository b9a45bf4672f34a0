#include "scenefile/SceneFile.h"
#include "platform/AtomicFile.h"
#include "scene/Error.h"
#include "scenefile/SceneFileInput.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace norvane;
using namespace norvane::test;

// Six CR LF lines per object, leading spaces, CRs, NULs and empty values kept.
TEST(SceneFile, FilesAndScenesRoundTripByteForByte) {
    const std::string bytes = readFile(dataDir() + "/scenefile/mixed.NSC");
    EXPECT_EQ(readSceneText(bytes).row(2), (SceneObject{"Text (Big)", " .25", "-2.5", "1.57",
                                                        "http://example.com/a b", "  Welcome  "}));
    EXPECT_SAME_TEXT(bytes, writeSceneText(readSceneText(bytes)));
    EXPECT_EQ(writeSceneText(Scene{}), "");
    Scene scene;
    scene.append({"  kind  ", "\t", "a\rb", "ends in CR\r", "\r", std::string("nul\0x", 5)});
    scene.append({"", "", "", "", "", "\xe9\xff"});
    EXPECT_EQ(readSceneText(writeSceneText(scene)), scene);
    // A big text is read in two halves at once, each row as it was written.
    for (int row = 0; row < 40'000; ++row)
        scene.append({row % 3 ? "Tree" : "Wall", std::to_string(row), "", "\xEF\xBB\xBF",
                      std::string(std::size_t(row % 50), 'u'), row % 2 ? "" : "\r"});
    EXPECT_GT(writeSceneText(scene).size(), 1'500'000u);
    EXPECT_EQ(readSceneText("\xEF\xBB\xBF" + writeSceneText(scene)), scene);
    // Read in place, inside the file's own text, and then edited.
    Scene inPlace = readSceneTextInPlace("\xEF\xBB\xBF\xEF\xBB\xBF" + writeSceneText(scene));
    EXPECT_EQ(inPlace, scene);
    inPlace.append({"Tree", "1", "2", "0", "", ""});
    inPlace.remove(0);
    scene.append({"Tree", "1", "2", "0", "", ""});
    scene.remove(0);
    EXPECT_EQ(writeSceneText(inPlace), writeSceneText(scene));
    // Big texts that cannot be cut in two are read whole: one object with a value of a
    // megabyte, and objects that all begin with a byte order mark after the first.
    Scene uncut;
    uncut.append({"Wall", "1", "2", "3", "4", std::string(1'200'000, 'w')});
    Scene marked;
    for (int row = 0; row < 50'000; ++row)
        marked.append({row ? "\xEF\xBB\xBFTree" : "Tree", "1", "2", "0", "", ""});
    for (const Scene& whole : {uncut, marked}) {
        EXPECT_EQ(readSceneText(writeSceneText(whole)), whole);
        EXPECT_EQ(readSceneTextInPlace(writeSceneText(whole)), whole);
    }
}

// LF ends, an unended last line and byte order marks all read as the same single wall.
TEST(SceneFile, AcceptsLfEndsAnUnendedLastLineAndByteOrderMarks) {
    for (const std::string text :
         {"Wall\n0\n 2\n1\n\nu\n", "Wall\n0\r\n 2\n1\r\n\nu\r\n", "Wall\r\n0\r\n 2\r\n1\r\n\r\nu",
          "Wall\r\n0\r\n 2\r\n1\r\n\r\nu\r", "\xEF\xBB\xBF\xEF\xBB\xBFWall\n0\n 2\n1\n\nu\n"})
        EXPECT_EQ(readSceneText(text).row(0), (SceneObject{"Wall", "0", " 2", "1", "", "u"}));
    EXPECT_EQ(readSceneText("a\r\r\n\rb\r\nc \r\n d\r\n\r\r\n e\r").row(0),
              (SceneObject{"a\r", "\rb", "c ", " d", "\r", " e"}));
}

TEST(SceneFile, RefusesIncompleteObjectsAndLineFeedsInValues) {
    const std::pair<std::string, std::string> cases[] = {
        {"\n", "1 line is not a multiple of 6"},
        {"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\nm",
         "13 lines is not a multiple of 6"},
        {"Tree\r 1\r 2\r0\r\r\r", "1 line is not a multiple of 6 (lines ended by CR alone are not "
                                  "supported; use CR LF or LF)"},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(errorOf([&] { readSceneText(text); }),
                  "The scene file ends in the middle of an object: " + count);
    // A big text counts its lines in two parts at once, an unended last line included.
    std::string big;
    for (int row = 0; row < 50'000; ++row)
        big += "Tree\r\n 1\r\n 2\r\n0\r\n\r\n\n";
    for (const std::string end : {"x", "x\r\n", "\n"})
        EXPECT_EQ(errorOf([&] { readSceneTextInPlace(big + end); }),
                  "The scene file ends in the middle of an object: 300001 lines is not a "
                  "multiple of 6");
    Scene scene;
    scene.append({"Tree", " 1", " 2", "0", "", ""});
    scene.append({"Text (Big)", " 1", " 2", "0", "", "two\nlines"});
    EXPECT_EQ(errorOf([&] { writeSceneText(scene); }),
              "Cannot save the scene: object 2 holds a line break in one of its texts");
}

// Endless devices end at their first chunk; the editor's choice never waits on a FIFO.
TEST(SceneFile, ReadingRefusesBinaryAndEndlessInputAndOtherTypesWhenAsked) {
    TempDir dir;
    const std::string jpeg = dir.file("photo.NSC").string();
    const std::string zeroLink = dir.file("zero.NSC").string();
    const std::string fifo = dir.file("fifo.NSC").string();
    writeFileAtomically(jpeg, std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11));
    std::filesystem::create_symlink("/dev/zero", zeroLink);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string binary = ": it is not a Norvane scene file";
    const std::tuple<std::string, FileTypes, std::string> cases[] = {
        {zeroLink, FileTypes::Any, binary},
        {jpeg, FileTypes::RegularOnly, binary},
        {zeroLink, FileTypes::RegularOnly, ": not a regular file"},
        {fifo, FileTypes::RegularOnly, ": not a regular file"},
        {dir.path().string(), FileTypes::Any, ": Is a directory"},
    };
    for (const auto& [path, types, reason] : cases)
        EXPECT_EQ(errorOf([&] { readSceneFileText(path, types); }), "Cannot read " + path + reason);
}
