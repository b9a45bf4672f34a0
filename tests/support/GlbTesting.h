#pragma once

// glTF binaries of tests: textures are runs of one letter, so offsets outlast new pictures.

#include "gltf/GlbWriter.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstring>
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

// The JSON chunk of a glTF binary, parsed: its length is the little-endian word at byte 12.
inline nlohmann::json glbJson(const std::string& glb) {
    std::uint32_t length = 0;
    std::memcpy(&length, glb.data() + 12, sizeof length); // x86 and ARM are little-endian
    return nlohmann::json::parse(glb.substr(20, length));
}

} // namespace norvane::test
