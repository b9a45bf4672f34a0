#include "platform/TextBuffer.h"
#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

using norvane::TextBuffer;

// Saved bytes load back unchanged; failed loads and saves throw and keep the text.
TEST(TextBuffer, SavesAndLoadsBytesAndKeepsTheTextOnFailure) {
    norvane::test::TempDir dir;
    const std::string path = dir.file("FinalCode.txt").string();
    const std::string bytes = std::string("#VRML V2.0 utf8\r\n\tx\r\n\0\xe9\n", 24);
    TextBuffer buffer;
    buffer.setText(bytes);
    buffer.saveToFile(path);
    EXPECT_SAME_TEXT(bytes, norvane::test::readFile(path));
    buffer.setText("replaced");
    buffer.loadFromFile(path);
    EXPECT_SAME_TEXT(bytes, buffer.text());
    EXPECT_THROW(buffer.loadFromFile(dir.path().string()), norvane::Error);
    EXPECT_THROW(buffer.saveToFile(dir.path().string()), norvane::Error);
    EXPECT_SAME_TEXT(bytes, buffer.text());
}
