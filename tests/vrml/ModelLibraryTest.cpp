#include "vrml/ModelLibrary.h"

#include "scene/Error.h"

#include "ProcessRun.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace norvane;
using namespace norvane::test;

namespace {

// One top-level part as the library writes it: a Transform holding one Shape.
std::string part(std::string_view translation, std::string_view geometry,
                 std::initializer_list<std::string_view> look) {
    std::string text =
        crlf({"Transform {", "\t" + std::string(translation), "\tchildren [", "\t\tShape {",
              "\t\t\tgeometry " + std::string(geometry), "\t\t\tappearance Appearance {"});
    for (const std::string_view item : look)
        text += "\t\t\t\t" + std::string(item) + "\r\n";
    return text + crlf({"\t\t\t}", "\t\t}", "\t]", "}"});
}

} // namespace

// CR LF lines of top-level Transforms (or their tab-indented insides), balanced brackets and
// quotes, one geometry and one appearance per Shape, and no DEF or USE of their own.
TEST(ModelLibrary, EveryBodyIsWellFormedCrlfText) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        const std::string_view body = modelBody(entry);
        ASSERT_TRUE(body.ends_with("}\r\n"));
        EXPECT_EQ(countOf(body, "\r"), countOf(body, "\r\n"));
        EXPECT_EQ(countOf(body, "\n"), countOf(body, "\r\n"));
        EXPECT_EQ(countOf(body, "DEF") + countOf(body, "USE"), 0u);
        EXPECT_EQ(countOf(body, "\"") % 2, 0u);
        const std::size_t shapes = countOf(body, "Shape {");
        EXPECT_GT(shapes, 0u);
        EXPECT_EQ(countOf(body, "geometry "), shapes);
        EXPECT_EQ(countOf(body, "appearance Appearance {\r\n"), shapes);
        for (const std::string& line : crlfLines(body)) {
            ASSERT_FALSE(line.empty());
            EXPECT_TRUE(line.front() == '\t' || line == "Transform {" || line == "}") << line;
        }
        int braces = 0, brackets = 0;
        for (const char c : body) {
            braces += (c == '{') - (c == '}');
            brackets += (c == '[') - (c == ']');
            ASSERT_GE(braces, 0);
            ASSERT_GE(brackets, 0);
        }
        EXPECT_EQ(braces, 0);
        EXPECT_EQ(brackets, 0);
    }
}

// Worlds find their textures beside them: only the five files the program ships are named.
TEST(ModelLibrary, TexturesAreTheFiveShippedFiles) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        const std::string_view body = modelBody(entry);
        std::size_t named = 0;
        for (char n = '1'; n <= '5'; ++n)
            named += countOf(body, std::string("ImageTexture { url \"source") + n + ".jpg\" }");
        EXPECT_EQ(countOf(body, "url "), named) << "entry " << entry;
        EXPECT_EQ(countOf(body, "ImageTexture"), named) << "entry " << entry;
    }
}

TEST(ModelLibrary, TreeIsWrittenExactly) {
    EXPECT_SAME_TEXT(part("translation 0 3 0", "Cone { bottomRadius 0.5 height 4 }",
                          {"material Material { diffuseColor 0 0.7 0 }",
                           R"(texture ImageTexture { url "source1.jpg" })"}) +
                         part("translation 0 0.5 0", "Cylinder { radius 0.125 height 1 }",
                              {"material Material { diffuseColor 0.7 0.3 0 }",
                               R"(texture ImageTexture { url "source5.jpg" })",
                               "textureTransform TextureTransform { rotation 1.57 }"}),
                     modelBody(0));
}

TEST(ModelLibrary, CarsDifferOnlyInTheBodyBoxColour) {
    std::string red(modelBody(7));
    const std::string_view blue = modelBody(8);
    ASSERT_NE(red, blue);
    const std::string boxAndColour =
        crlf({"\t\t\tgeometry Box { size 0.6 0.20 1.5 }", "\t\t\tappearance Appearance {",
              "\t\t\t\tmaterial Material { diffuseColor 1 0 0 }"});
    const auto at = red.find(boxAndColour);
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(at, red.find("IndexedFaceSet")) << "the body box comes before the cabin";
    red.replace(at + boxAndColour.size() - 9, 5, "0 0 1");
    EXPECT_SAME_TEXT(std::string(blue), red);
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
