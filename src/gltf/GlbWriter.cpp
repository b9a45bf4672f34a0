#include "GlbWriter.h"

#include "GlbNodes.h"
#include "JsonText.h"

#include "vrml/WorldLooks.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <thread>

namespace norvane {

namespace {

// Rows per block of nodes: enough to make the threads' handover rare.
constexpr std::size_t kRowsPerBlock = 8192;

// The node blocks of the scene's rows, built on two threads; rethrows the Error of the first
// refused row.
std::vector<NodeBlock> rowBlocks(const Scene& scene, std::string_view target) {
    const SceneRows rows = scene.rows();
    const std::size_t count = (rows.size() + kRowsPerBlock - 1) / kRowsPerBlock;
    std::vector<NodeBlock> blocks(count, NodeBlock(target));
    std::vector<std::exception_ptr> failures(count);
    const auto build = [&](std::size_t first) {
        for (std::size_t b = first; b < count; b += 2) {
            blocks[b].text.reserve(kRowsPerBlock * 256); // untouched pages cost nothing
            try {
                const std::size_t end = std::min(rows.size(), (b + 1) * kRowsPerBlock);
                for (std::size_t row = b * kRowsPerBlock; row < end; ++row)
                    blocks[b].object(rows[row], row);
            } catch (...) {
                failures[b] = std::current_exception();
            }
        }
    };
    if (count > 1) {
        std::thread helper(build, 1);
        build(0);
        helper.join();
    } else {
        build(0);
    }
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    return blocks;
}

std::string sceneExtras(const WorldOptions& options) {
    const Sky& sky = skyNamed(options.sky);
    std::string out = ",\"extras\":{\"sky\":{\"name\":";
    appendJsonString(out, sky.name);
    out += ",\"colours\":", appendJsonString(out, sky.colours);
    out += ",\"angles\":", appendJsonString(out, sky.angles);
    out += '}';
    if (!options.musicFile.empty())
        out += ",\"music\":", appendJsonString(out, options.musicFile);
    return out + '}';
}

constexpr std::string_view kHead =
    "{\"asset\":{\"version\":\"2.0\",\"generator\":\"Norvane\"},"
    "\"extensionsUsed\":[\"KHR_lights_punctual\",\"KHR_materials_unlit\","
    "\"KHR_texture_transform\"],"
    "\"extensions\":{\"KHR_lights_punctual\":{\"lights\":["
    "{\"type\":\"directional\",\"name\":\"Light 1\"},"
    "{\"type\":\"directional\",\"name\":\"Light 2\"}]}},"
    "\"cameras\":[{\"name\":\"Starting "
    "Point\",\"type\":\"perspective\",\"perspective\":{\"yfov\":0.785398,\"znear\":0.1}}],"
    "\"scene\":0,";

void putWord(std::string& out, std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((word >> (8 * i)) & 0xff);
}

} // namespace

void writeGlbWorld(const Scene& scene, const WorldOptions& options, const WorldTextures& textures,
                   const TextSink& sink) {
    std::vector<NodeBlock> blocks = rowBlocks(scene, options.targetFrame);
    NodeBlock ground(options.targetFrame), last(options.targetFrame);
    ground.ground();
    last.lightsAndCamera();
    GlbParts parts(textures);
    std::vector<NodeBlock*> all{&ground};
    for (NodeBlock& block : blocks)
        all.push_back(&block);
    all.push_back(&last);
    std::string roots;
    std::size_t nodesSize = 0;
    int firstNode = 0;
    for (NodeBlock* block : all) {
        nodesSize += numberNodeBlock(parts, *block, firstNode, block == &ground, roots);
        firstNode += block->count;
    }
    std::string head(kHead);
    head += parts.json() + "\"nodes\":[";
    std::string tail = "],\"scenes\":[{\"name\":\"World\",\"nodes\":[" + roots + "]" +
                       sceneExtras(options) + "}]}";
    const std::size_t json = head.size() + nodesSize + tail.size();
    tail.append((4 - json % 4) % 4, ' ');
    const std::size_t jsonLength = json + (4 - json % 4) % 4;
    const std::string& binary = parts.binary();
    std::string header;
    putWord(header, 0x46546C67); // "glTF"
    putWord(header, 2);
    putWord(header, static_cast<std::uint32_t>(12 + 8 + jsonLength + 8 + binary.size()));
    putWord(header, static_cast<std::uint32_t>(jsonLength));
    putWord(header, 0x4E4F534A); // "JSON"
    sink(header), sink(head);
    for (NodeBlock* block : all)
        writeNodeBlock(*block, block == &ground, sink);
    sink(tail);
    std::string binHeader;
    putWord(binHeader, static_cast<std::uint32_t>(binary.size()));
    putWord(binHeader, 0x004E4942); // "BIN\0"
    sink(binHeader), sink(binary);
}

} // namespace norvane
