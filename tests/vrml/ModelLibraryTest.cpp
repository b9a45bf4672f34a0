#include "vrml/ModelLibrary.h"

#include "scene/Error.h"

#include "ProcessRun.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <string>

using namespace norvane;
using namespace norvane::test;

// The bytes of every body are checked in tests/data/worlds/every-kind/expected.wrl; these are
// the rules each body keeps. CR LF lines of top-level Transforms (or their tab-indented insides),
// balanced brackets and quotes, one geometry and one appearance per Shape, no DEF or USE of their
// own, and textures only from the five files the program ships, since worlds find them beside them.
TEST(ModelLibrary, EveryBodyIsWellFormedCrlfText) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        const std::string_view body = modelBody(entry);
        ASSERT_TRUE(body.ends_with("}\r\n"));
        EXPECT_EQ(countOf(body, "\r") + countOf(body, "\n"), 2 * countOf(body, "\r\n"));
        EXPECT_EQ(countOf(body, "DEF") + countOf(body, "USE") + countOf(body, "\"") % 2, 0u);
        const std::size_t shapes = countOf(body, "Shape {");
        EXPECT_GT(shapes, 0u);
        EXPECT_EQ(countOf(body, "geometry "), shapes);
        EXPECT_EQ(countOf(body, "appearance Appearance {\r\n"), shapes);
        for (const std::string& line : crlfLines(body))
            EXPECT_TRUE(line.starts_with('\t') || line == "Transform {" || line == "}") << line;
        int depth = 0;
        for (const char c : body)
            ASSERT_GE(depth += (c == '{' || c == '[') - (c == '}' || c == ']'), 0);
        EXPECT_EQ(depth, 0);
        std::size_t textures = 0;
        for (char n = '1'; n <= '5'; ++n)
            textures += countOf(body, std::string("ImageTexture { url \"source") + n + ".jpg\" }");
        EXPECT_EQ(countOf(body, "url ") + countOf(body, "ImageTexture"), 2 * textures);
    }
}

TEST(ModelLibrary, EntriesOutsideTheLibraryThrow) {
    for (const std::size_t entry : {kModelCount + 1, std::size_t(-1)})
        EXPECT_THROW(modelBody(entry), Error) << entry;
    try {
        modelBody(kModelCount);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "There is no model number 21.");
    }
}

// Every body, alone in a minimal world, is read by the real VRML reader without one warning.
TEST(ModelLibrary, EveryBodyPassesTheVrmlReader) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry)
        EXPECT_TRUE(worldReadsWithoutWarnings("#VRML V2.0 utf8\r\nGroup { children [\r\n" +
                                              std::string(modelBody(entry)) + "] }\r\n"))
            << "entry " << entry;
}
