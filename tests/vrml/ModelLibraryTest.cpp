#include "vrml/ModelLibrary.h"

#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

using namespace norvane;
using norvane::test::crlf;

namespace {

std::size_t countOf(std::string_view text, std::string_view what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// The lines of a CR LF text, without their line ends; a last unended line is kept as well.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return lines;
}

// What one entry is made of: Shapes, Materials, TextureTransforms and uses of each texture file.
struct Makeup {
    std::size_t shapes;
    std::size_t materials;
    std::size_t texTransforms;
    std::array<std::size_t, 5> textures; // source1.jpg .. source5.jpg
};

constexpr std::array<Makeup, kModelCount> kMakeup{{
    {2, 2, 1, {1, 0, 0, 0, 1}},   // Tree
    {3, 3, 0, {0, 0, 0, 0, 0}},   // LightPost
    {2, 2, 1, {0, 0, 1, 0, 0}},   // OfficeBR
    {2, 2, 0, {0, 0, 0, 1, 0}},   // Fountain
    {7, 7, 1, {0, 1, 0, 0, 0}},   // House
    {2, 2, 1, {0, 0, 1, 0, 0}},   // OfficeBC
    {4, 4, 0, {0, 0, 0, 0, 0}},   // SpeedLimit
    {10, 10, 0, {0, 0, 0, 0, 0}}, // RedCar
    {10, 10, 0, {0, 0, 0, 0, 0}}, // BlueCar
    {6, 0, 4, {0, 0, 0, 0, 6}},   // Bench
    {23, 23, 0, {0, 0, 0, 0, 0}}, // Man
    {5, 4, 1, {0, 0, 0, 0, 1}},   // Door
    {3, 3, 0, {0, 0, 0, 0, 0}},   // Arrow
    {6, 0, 6, {0, 0, 0, 0, 6}},   // Chair
    {3, 0, 3, {0, 0, 0, 0, 3}},   // TableR
    {5, 0, 4, {0, 0, 0, 0, 5}},   // TableS
    {5, 0, 2, {0, 0, 0, 0, 5}},   // Desk
    {5, 5, 4, {3, 0, 0, 0, 1}},   // Plant
    {7, 0, 7, {0, 0, 0, 0, 7}},   // Shelf
    {7, 5, 1, {0, 0, 0, 0, 2}},   // TV
    {8, 7, 1, {0, 0, 0, 0, 1}},   // Mailbox
}};

TEST(ModelLibrary, EveryBodyIsWellFormedCrlfText) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        const std::string_view body = modelBody(entry);
        ASSERT_GE(body.size(), 2u);
        EXPECT_TRUE(body.ends_with("\r\n"));
        EXPECT_FALSE(body.ends_with("\r\n\r\n"));
        EXPECT_EQ(countOf(body, "\r"), countOf(body, "\n"));
        EXPECT_EQ(countOf(body, "\r"), countOf(body, "\r\n"));
        EXPECT_EQ(countOf(body, "DEF"), 0u);
        EXPECT_EQ(countOf(body, "USE"), 0u);
        EXPECT_EQ(countOf(body, "\"") % 2, 0u);
        int braces = 0;
        int brackets = 0;
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

TEST(ModelLibrary, EveryEntryHasItsPartsMaterialsAndTextures) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        const std::string_view body = modelBody(entry);
        const Makeup& expected = kMakeup[entry];
        const std::size_t shapes = expected.shapes;
        EXPECT_EQ(countOf(body, "Shape {"), shapes);
        EXPECT_EQ(countOf(body, "geometry "), shapes);
        EXPECT_EQ(countOf(body, "appearance Appearance {"), shapes);
        EXPECT_EQ(countOf(body, "Appearance {\r\n"), shapes) << "one field per line in Appearance";
        EXPECT_EQ(countOf(body, "Material {"), expected.materials);
        EXPECT_EQ(countOf(body, "TextureTransform {"), expected.texTransforms);
        for (std::size_t i = 0; i < expected.textures.size(); ++i) {
            const std::string url = "url \"source" + std::to_string(i + 1) + ".jpg\"";
            EXPECT_EQ(countOf(body, url), expected.textures[i]) << url;
        }
        EXPECT_EQ(countOf(body, "ImageTexture {"), countOf(body, "url \"source"));
    }
}

TEST(ModelLibrary, PartsAreTopLevelTransformsExceptTheManFigure) {
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        SCOPED_TRACE("entry " + std::to_string(entry));
        const std::string_view body = modelBody(entry);
        std::size_t opened = 0;
        for (const std::string_view line : linesOf(body)) {
            ASSERT_FALSE(line.empty());
            if (line.front() != '\t') {
                EXPECT_TRUE(line == "Transform {" || line == "}") << line;
                opened += line == "Transform {";
            }
        }
        EXPECT_EQ(opened, entry == 10 ? 1u : kMakeup[entry].shapes);
        EXPECT_EQ(countOf(body, "Background"), entry == 10 ? 1u : 0u);
    }
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

TEST(ModelLibrary, ManFigureIsOneScaledGroupUnderAWhiteSky) {
    const std::string_view body = modelBody(10);
    EXPECT_TRUE(body.starts_with(crlf({"Transform {", "\tscale 0.048 0.048 0.048", "\tchildren [",
                                       "\t\tBackground { skyColor 1 1 1 }", "\t\tTransform {",
                                       "\t\t\ttranslation -0.5 0.25 0.25", "\t\t\tchildren ["})));
    EXPECT_TRUE(body.ends_with(crlf({"\t\t\t]", "\t\t}", "\t]", "}"})));
}

// Whole parts written byte for byte: field order, number texts and the appearance layout.
struct PartCase {
    std::size_t entry;
    std::string expected;
};

std::string part(std::initializer_list<std::string_view> fields, std::string_view geometry,
                 std::initializer_list<std::string_view> look, bool appearanceFirst = false) {
    std::string text = "Transform {\r\n";
    for (const std::string_view field : fields)
        text.append("\t").append(field).append("\r\n");
    text += "\tchildren [\r\n\t\tShape {\r\n";
    std::string appearance = "\t\t\tappearance Appearance {\r\n";
    for (const std::string_view item : look)
        appearance.append("\t\t\t\t").append(item).append("\r\n");
    appearance += "\t\t\t}\r\n";
    const std::string geometryLine = "\t\t\tgeometry " + std::string(geometry) + "\r\n";
    text += appearanceFirst ? appearance + geometryLine : geometryLine + appearance;
    return text + "\t\t}\r\n\t]\r\n}\r\n";
}

std::string indented(const std::string& text, std::string_view tabs) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1)
        out.append(tabs).append(text, at, text.find('\n', at) + 1 - at);
    return out;
}

const std::string kWoodTurned[] = {R"(texture ImageTexture { url "source5.jpg" })",
                                   "textureTransform TextureTransform { rotation 1.57 }"};

std::vector<PartCase> partCases() {
    return {
        {0, part({"translation 0 3 0"}, "Cone { bottomRadius 0.5 height 4 }",
                 {"material Material { diffuseColor 0 0.7 0 }",
                  R"(texture ImageTexture { url "source1.jpg" })"}) +
                part({"translation 0 0.5 0"}, "Cylinder { radius 0.125 height 1 }",
                     {"material Material { diffuseColor 0.7 0.3 0 }", kWoodTurned[0],
                      kWoodTurned[1]})},
        {1, part({},
                 "Extrusion { solid FALSE crossSection [ -0.1 0, 0 0.1, 0.1 0, 0 -0.1 ] "
                 "scale [ 1 1, 1 1, 1 1, 1 1, 1 1, 1 1, 1 1 ] "
                 "spine [ 0 0 0, 0 1 0, 0 2 0, 0 3 0, 0 3.25 0.5, 0 3 1, 0 2.75 1 ] }",
                 {"material Material { diffuseColor 0.7 0.7 0.7 }"})},
        {4, part({},
                 "IndexedFaceSet { solid FALSE coord Coordinate { point [ -1.5 3 1.5, "
                 "1.5 3 1.5, 0 5 1.5, -1.5 3 -1.5, 1.5 3 -1.5, 0 5 -1.5 ] } "
                 "coordIndex [ 0 1 2 -1, 3 4 5 -1, 0 2 5 3 -1, 1 2 5 4 -1 ] }",
                 {"material Material { diffuseColor 0.25 0.1 0 }"}, true)},
        {7, part({},
                 "IndexedFaceSet { solid FALSE coord Coordinate { point [ 0.3 0.27 -0.50, "
                 "0.3 0.27 0.25, 0.25 0.47 0, 0.25 0.47 -0.25, -0.3 0.27 -0.50, "
                 "-0.3 0.27 0.25, -0.25 0.47 0, -0.25 0.47 -0.25 ] } coordIndex [ 0 1 2 3 -1, "
                 "0 4 7 3 -1, 4 5 6 7 -1, 1 2 6 5 -1, 3 2 6 7 -1, 0 1 5 4 -1 ] }",
                 {"material Material { diffuseColor 0.7 0.7 1 }"})},
        {7, part({"translation -0.31 0.12 -0.6", "rotation 0 0 1 1.57"},
                 "Cylinder { radius 0.1 height 0.05 }",
                 {"material Material { diffuseColor 0.3 0.3 0.3 }"})},
        {10, indented(part({"translation 0 5.575 0", "scale 1 1 0.7", "rotation 0 0 1 1.57"},
                           "Cylinder { radius 0.5 height 1.5 }",
                           {"material Material { diffuseColor 0 0 1 }"}),
                      "\t\t")},
        {6, part({"translation 0 1.05 0.057"},
                 R"(Text { string "MPH" fontStyle FontStyle { justify "MIDDLE" size 0.1 } })",
                 {"material Material { diffuseColor 0 0 0 }"})},
        {11,
         part({"translation 0 0.4 0"}, "Box { size 0.3 0.8 0.02 }",
              {kWoodTurned[0], "textureTransform TextureTransform { rotation 1.57 scale 1 2 }"})},
        {16, part({"translation 0 0.3 0"}, "Box { size 0.63 0.02 0.32 }",
                  {kWoodTurned[0], "textureTransform TextureTransform {}"})},
        {17, part({"translation 0 0.5 0", "scale 2.5 1 2.5"}, "Sphere { radius 0.1 }",
                  {"material Material { diffuseColor 0.2 0.2 0 }",
                   R"(texture ImageTexture { url "source1.jpg" })",
                   "textureTransform TextureTransform { rotation 1.57 scale 4 4 }"})},
        {20, part({"translation -0.0525 0.535 0.02"}, "Box { size 0.005 0.03 0.03 }",
                  {"material Material { diffuseColor 1 0.1 0.1 }"})},
    };
}

TEST(ModelLibrary, PartsAreWrittenExactly) {
    for (const PartCase& c : partCases()) {
        SCOPED_TRACE("entry " + std::to_string(c.entry) + ":\n" + c.expected);
        EXPECT_NE(modelBody(c.entry).find(c.expected), std::string_view::npos);
    }
    EXPECT_SAME_TEXT(partCases().front().expected, modelBody(0));
}

TEST(ModelLibrary, EntriesOutsideTheLibraryThrow) {
    for (const std::size_t entry : {kModelCount, kModelCount + 1, std::size_t(-1)})
        EXPECT_THROW(modelBody(entry), Error) << entry;
    try {
        modelBody(21);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "There is no model number 21.");
    }
}

constexpr const char* kReader = "/usr/bin/tovrmlx3d";

// Runs the VRML reader on a file; returns everything it printed, plus a last line naming a failed
// exit status.
std::string runReader(const std::filesystem::path& world) {
    const std::string command =
        std::string(kReader) + " --encoding=classic '" + world.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "Warning: could not start tovrmlx3d";
    std::string output;
    std::array<char, 4096> chunk{};
    for (std::size_t n = 0; (n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        output.append(chunk.data(), n);
    const int status = pclose(pipe);
    return status == 0 ? output : output + "\nexit status " + std::to_string(status);
}

class ModelLibraryWorld : public ::testing::TestWithParam<std::size_t> {};

// Every body, alone in a minimal world, is read by the real VRML reader without one warning.
TEST_P(ModelLibraryWorld, IsReadWithoutWarnings) {
    ASSERT_TRUE(std::filesystem::exists(kReader)) << kReader << " is not installed";
    const norvane::test::TempDir dir;
    const auto world = dir.file("model.wrl");
    std::ofstream(world, std::ios::binary) << "#VRML V2.0 utf8\r\nGroup { children [\r\n"
                                           << modelBody(GetParam()) << "] }\r\n";
    const std::string output = runReader(world);
    EXPECT_EQ(output.find("Warning"), std::string::npos) << output;
    EXPECT_EQ(output.find("exit status"), std::string::npos) << output;
    EXPECT_NE(output.find("Shape"), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(EveryEntry, ModelLibraryWorld,
                         ::testing::Range<std::size_t>(0, kModelCount));

} // namespace
