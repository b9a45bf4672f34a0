#pragma once

#include "GlbParts.h"

#include "scene/Catalogue.h"
#include "scene/Scene.h"
#include "view3d/WorldShapes.h"
#include "vrml/ObjectBlocks.h"

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace norvane {

// A mesh that a block of nodes uses, made (or found) when the blocks are joined in order.
struct MeshRequest {
    enum class Type { Model, Text, Part } type = Type::Part;
    std::string key; // Model: the kind's name; Text: the kind's name and the text
    int entry = -1;  // Model: the library entry
    PartShape shape; // Text and Part: the one shape of the mesh
};

// A number that the join writes at byte `at` of a block's text: a node of the block or a mesh
// it asks for, each counted from 0 within the block.
struct NodeMark {
    static constexpr std::uint32_t kMesh = 1u << 31; // set in `what` for a mesh
    std::uint32_t at;                                // a block's text stays far below 4 GB
    std::uint32_t what;                              // the number, and whether it is a mesh
    bool mesh() const { return what & kMesh; }
    int number() const { return static_cast<int>(what & ~kMesh); }
};

// Part of the "nodes" array, written without knowing the nodes and meshes before it: a block of
// scene rows, the ground, or the lights and the camera. Blocks of rows are built on their own
// threads; joining them in order gives the array one writer would write.
class NodeBlock {
public:
    explicit NodeBlock(std::string_view target) : m_target(target) {}

    // Adds the node(s) of a row, nothing for a kind outside the catalogue. Throws Error for a row
    // the world refuses.
    void object(const SceneRow& row, std::size_t index);
    void ground();
    void lightsAndCamera();

    std::string text;                  // the nodes, ',' before each
    std::vector<NodeMark> marks;       // in the order of their places in `text`
    std::vector<MeshRequest> requests; // by the first use
    std::vector<int> roots;            // the nodes of the scene's root list
    int count = 0;                     // nodes in the block
    int firstNode = 0;                 // the number of its first node, once numbered
    std::vector<int> meshNumbers;      // the mesh of each request, once numbered

private:
    int open(std::string_view name, std::size_t row);
    void mark(bool mesh, int number);
    void extras(std::string_view url, std::string_view text);
    void placePoint(double x, double z, std::string_view orientation);
    void pointObject(const SceneRow& row, std::size_t index, const KindInfo& kind);
    void areaObject(const SceneRow& row, std::size_t index);
    void child(const ShapeInstance& shape);
    template <typename Key>
    int requestFor(std::map<Key, int>& made, const Key& key, MeshRequest request);

    std::string_view m_target;
    std::map<std::string, int> m_models, m_texts;    // key -> request
    std::map<std::pair<int, PaintKey>, int> m_parts; // kit mesh and paint -> request
};

// Joining the blocks in order: first each block's meshes are made and its nodes numbered from
// `firstNode` (numberNodeBlock, which adds the block's roots to `roots` and gives the bytes its
// text will take), then, once the JSON's length is known, each block's text is handed to `sink`
// with its numbers written in and released (writeNodeBlock). The array's first block leaves out
// the comma before its first node.
std::size_t numberNodeBlock(GlbParts& parts, NodeBlock& block, int firstNode, bool first,
                            std::string& roots);
void writeNodeBlock(NodeBlock& block, bool first, const TextSink& sink);

} // namespace norvane
