#include "platform/TextBuffer.h"
#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <filesystem>

using norvane::TextBuffer;
using norvane::test::readFile;
using norvane::test::TempDir;

TEST(TextBuffer, SaveThenLoadGivesTheSameBytes) {
    TempDir dir;
    const std::string path = dir.file("FinalCode.txt").string();
    const std::string bytes = std::string("#VRML V2.0 utf8\r\n\tx\r\n\0\xe9\n", 24);
    TextBuffer saved;
    saved.setText(bytes);
    saved.saveToFile(path);
    EXPECT_SAME_TEXT(bytes, readFile(path));

    TextBuffer loaded;
    loaded.setText("replaced");
    loaded.loadFromFile(path);
    EXPECT_SAME_TEXT(bytes, loaded.text());
}

TEST(TextBuffer, FailuresThrowAndKeepTheText) {
    TempDir dir;
    TextBuffer buffer;
    buffer.setText("kept\r\n");
    EXPECT_THROW(buffer.loadFromFile(dir.file("missing.NSC").string()), norvane::Error);
    EXPECT_THROW(buffer.loadFromFile(dir.path().string()), norvane::Error);
    const auto path = dir.file("missing") / "out.wrl";
    EXPECT_THROW(buffer.saveToFile(path.string()), norvane::Error);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(buffer.text(), "kept\r\n");
}
