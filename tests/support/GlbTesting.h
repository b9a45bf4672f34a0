#pragma once

// glTF binaries made and read in tests: the textures stand in as short runs of one letter, so
// that the JSON gives the same byte offsets whatever the real pictures are.

#include "gltf/GlbWriter.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

namespace norvane::test {

inline std::string glbOf(const Scene& scene, const WorldOptions& options = {}) {
    WorldTextures textures;
    for (std::size_t i = 0; i < textures.jpeg.size(); ++i)
        textures.jpeg[i] = std::string(i + 1, 'j');
    std::string out;
    writeGlbWorld(scene, options, textures, [&out](std::string_view bytes) { out += bytes; });
    return out;
}

// The little-endian word at byte `at`.
inline std::uint32_t glbWordAt(const std::string& bytes, std::size_t at) {
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = word << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return word;
}

// The JSON chunk of a glTF binary, parsed.
inline nlohmann::json glbJson(const std::string& glb) {
    return nlohmann::json::parse(glb.substr(20, glbWordAt(glb, 12)));
}

} // namespace norvane::test
