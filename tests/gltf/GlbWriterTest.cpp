#include "GlbTesting.h"
#include "scene/Error.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using test::glbJson;
using test::glbOf;
using Json = nlohmann::json;

Scene twoTrees() {
    Scene scene;
    scene.append({"Tree", "10", "20", "0", "http://a.example/\"x\"", ""});
    scene.append({"Tree", "30", "40", "1.57", "", ""});
    scene.append({"Floor/Ceiling", "1", "1", "3", "3", "room.htm"});
    scene.append({"Text (Big)", " 5", " 5", "0", "", "Hi"}),
        scene.append({"Roof", "1", "1", "0", "", ""});
    return scene;
}

const Json& nodeNamed(const Json& json, std::string_view name) {
    for (const Json& node : json["nodes"])
        if (node["name"] == name)
            return node;
    ADD_FAILURE() << "no node " << name;
    static const Json none = Json::object();
    return none;
}

// The validator checks the binary's chunks (tests/formats/EveryScene.sh); these read its JSON.
TEST(GlbWriter, EveryObjectIsANodeAndTwoTreesShareOneMesh) {
    WorldOptions options;
    options.targetFrame = "main", options.musicFile = "song.wav";
    const Json json = glbJson(glbOf(twoTrees(), options));
    EXPECT_EQ(nodeNamed(json, "Tree 1")["mesh"], nodeNamed(json, "Tree 2")["mesh"]);
    EXPECT_EQ(nodeNamed(json, "Tree 1")["extras"],
              Json({{"url", "http://a.example/\"x\""}, {"target", "main"}}));
    EXPECT_EQ(nodeNamed(json, "Tree 2")["translation"], Json({-20, 0.03, -10}));
    // The floor and its ceiling are two parts of one node; the roof is no kind of the catalogue.
    EXPECT_EQ(nodeNamed(json, "Floor/Ceiling 3")["children"].size(), 2u);
    EXPECT_EQ(nodeNamed(json, "Floor/Ceiling 3")["extras"]["url"], "room.htm");
    EXPECT_EQ(json.dump().find("Roof"), std::string::npos);
    EXPECT_EQ(json["scenes"][0]["extras"]["music"], "song.wav");
    EXPECT_EQ(json["scenes"][0]["extras"]["sky"]["name"], "Blue Sky");
}

// The text is a quad, 2 m up, that shows a PNG of the text where it lets the picture through.
TEST(GlbWriter, ATextIsAQuadShowingItsPicture) {
    const Json json = glbJson(glbOf(twoTrees()));
    const Json& text = nodeNamed(json, "Text (Big) 4");
    EXPECT_EQ(text["extras"]["text"], "Hi");
    const Json& quad = json["meshes"][text["mesh"].get<int>()]["primitives"][0];
    const Json& position = json["accessors"][quad["attributes"]["POSITION"].get<int>()];
    EXPECT_EQ(position["count"], 4);
    EXPECT_LT(position["min"][1].get<double>(), 2.0);
    EXPECT_GT(position["max"][1].get<double>(), 2.5);
    const Json& material = json["materials"][quad["material"].get<int>()];
    EXPECT_EQ(material["alphaMode"], "BLEND");
    const int texture = material["pbrMetallicRoughness"]["baseColorTexture"]["index"];
    EXPECT_EQ(json["images"][json["textures"][texture]["source"].get<int>()]["mimeType"],
              "image/png");
}

TEST(GlbWriter, TwoLightsAndTheCameraAtTheStartingPoint) {
    const Json json = glbJson(glbOf(Scene()));
    EXPECT_EQ(json["extensions"]["KHR_lights_punctual"]["lights"].size(), 2u);
    EXPECT_EQ(nodeNamed(json, "Light 1")["extensions"]["KHR_lights_punctual"]["light"], 0);
    // Light 2 looks straight down: -Z turned a quarter about +X.
    const Json& down = nodeNamed(json, "Light 2")["rotation"];
    EXPECT_NEAR(down[0].get<double>(), -std::sqrt(0.5), 1e-7);
    EXPECT_NEAR(down[3].get<double>(), std::sqrt(0.5), 1e-7);
    EXPECT_EQ(nodeNamed(json, "Starting Point")["translation"], Json({0, 0.5, 46}));
    EXPECT_EQ(nodeNamed(json, "Starting Point")["camera"], 0);
    // Nothing in the scene uses a texture but the ground's grass.
    EXPECT_EQ(json["images"].size(), 1u);
}

// Rows are written in blocks on two threads: across three blocks every area's parts are the
// nodes after it, every root is an object of its row, and the trees of all blocks share a mesh.
TEST(GlbWriter, BlocksJoinAsOneList) {
    Scene scene;
    constexpr std::size_t kRows = 2 * 8192 + 5;
    for (std::size_t row = 0; row < kRows; ++row)
        scene.append(row % 3 ? SceneObject{"Tree", "10", "20", "0", "", ""}
                             : SceneObject{"Sidewalk", "1", "1", "3", "3", ""});
    const Json json = glbJson(glbOf(scene));
    const Json& nodes = json["nodes"];
    const Json& roots = json["scenes"][0]["nodes"];
    ASSERT_EQ(roots.size(), kRows + 4); // and the ground, two lights and the camera
    for (std::size_t row = 1; row <= kRows; ++row) {
        const Json& node = nodes[roots[row].get<std::size_t>()];
        ASSERT_EQ(node["name"], (row % 3 == 1 ? "Sidewalk " : "Tree ") + std::to_string(row));
        if (row % 3 == 1)
            ASSERT_EQ(node["children"], Json({roots[row].get<int>() + 1}));
        else
            ASSERT_EQ(node["mesh"], nodes[roots[2].get<std::size_t>()]["mesh"]);
    }
    EXPECT_EQ(nodes.size(), kRows + (kRows + 2) / 3 + 5);
}

TEST(GlbWriter, RefusesTheRowsTheWorldRefuses) {
    Scene scene;
    for (int row = 0; row < 20000; ++row)
        scene.append({"Tree", "1", "2", "0", "", ""});
    scene.append({"Tree", "ten", "20", "0", "", ""});
    EXPECT_THROW(glbOf(scene), Error);
}

} // namespace
} // namespace norvane
