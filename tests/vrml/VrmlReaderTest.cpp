// Worlds we write must be read by a real VRML reader, tovrmlx3d, without any warning; the golden
// worlds are read that way too.

#include "ProcessRun.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using norvane::test::worldReadsWithoutWarnings;

TEST(VrmlReader, EverySkyAndAnEmptyScene) {
    for (const char* sky : {"Blue Sky", "Night Sky", "Black", "White"})
        EXPECT_TRUE(worldReadsWithoutWarnings(buildWorld(Scene{}, {sky, "", ""}))) << sky;
}

// The checks are only worth something if the reader complains about a broken string.
TEST(VrmlReader, ComplainsAboutAnUnescapedQuote) {
    EXPECT_FALSE(worldReadsWithoutWarnings(
        "#VRML V2.0 utf8\r\nAnchor {\r\nurl \"a\"b\"\r\nchildren [ ]\r\n}\r\n"));
}
