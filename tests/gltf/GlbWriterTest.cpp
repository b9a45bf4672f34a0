#include "gltf/GlbWriter.h"

#include "scene/Error.h"
#include "scenefile/SceneFile.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace norvane {
namespace {

std::uint32_t wordAt(const std::string& bytes, std::size_t at) {
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = word << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return word;
}

std::string glbOf(const Scene& scene, const WorldOptions& options = {}) {
    WorldTextures textures;
    for (std::size_t i = 0; i < textures.jpeg.size(); ++i)
        textures.jpeg[i] = std::string(i + 1, 'j');
    std::string out;
    writeGlbWorld(scene, options, textures, [&out](std::string_view bytes) { out += bytes; });
    return out;
}

Scene twoTrees() {
    Scene scene;
    scene.append({"Tree", "10", "20", "0", "http://a.example/\"x\"", ""});
    scene.append({"Tree", "30", "40", "1.57", "", ""});
    scene.append({"Floor/Ceiling", "1", "1", "3", "3", "room.htm"});
    scene.append({"Text (Big)", " 5", " 5", "0", "", "Hi"}),
        scene.append({"Roof", "1", "1", "0", "", ""});
    return scene;
}

TEST(GlbWriter, ChunksHaveTheLengthsAndAlignmentOfTheHeader) {
    const std::string glb = glbOf(twoTrees());
    ASSERT_GE(glb.size(), 28u);
    EXPECT_EQ(glb.substr(0, 4), "glTF");
    EXPECT_EQ(wordAt(glb, 4), 2u);
    EXPECT_EQ(wordAt(glb, 8), glb.size());
    const std::uint32_t json = wordAt(glb, 12);
    EXPECT_EQ(json % 4, 0u);
    EXPECT_EQ(glb.substr(16, 4), "JSON");
    const std::size_t bin = 20 + json;
    EXPECT_EQ(wordAt(glb, bin) % 4, 0u);
    EXPECT_EQ(glb.substr(bin + 4, 4), std::string("BIN\0", 4));
    EXPECT_EQ(bin + 8 + wordAt(glb, bin), glb.size());
}

TEST(GlbWriter, TwoTreesShareOneMeshAndEveryObjectIsANode) {
    WorldOptions options;
    options.targetFrame = "main", options.musicFile = "song.wav";
    const std::string glb = glbOf(twoTrees(), options);
    const std::string json = glb.substr(20, wordAt(glb, 12));
    const std::size_t first = json.find("{\"name\":\"Tree 1\"");
    const std::size_t second = json.find("{\"name\":\"Tree 2\"");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    const auto meshOf = [&json](std::size_t at) {
        const std::size_t mesh = json.find("\"mesh\":", at);
        return json.substr(mesh, json.find_first_of(",}", mesh) - mesh);
    };
    EXPECT_EQ(meshOf(first), meshOf(second));
    EXPECT_NE(json.find("\"extras\":{\"url\":\"http://a.example/\\\"x\\\"\",\"target\":\"main\"}"),
              std::string::npos);
    // The floor and its ceiling are two parts of one node; texts and the music stay as data.
    EXPECT_NE(
        json.find(
            "\"name\":\"Floor/Ceiling 3\",\"children\":[5,6],\"extras\":{\"url\":\"room.htm\""),
        std::string::npos);
    EXPECT_NE(json.find("{\"name\":\"Text (Big) 4\""), std::string::npos);
    EXPECT_NE(json.find("\"extras\":{\"text\":\"Hi\"}"), std::string::npos);
    EXPECT_EQ(json.find("Roof"), std::string::npos);
    EXPECT_NE(json.find("\"music\":\"song.wav\"}"), std::string::npos);
}

TEST(GlbWriter, RefusesTheRowsTheWorldRefuses) {
    Scene scene;
    scene.append({"Tree", "ten", "20", "0", "", ""});
    EXPECT_THROW(glbOf(scene), Error);
}

} // namespace
} // namespace norvane
