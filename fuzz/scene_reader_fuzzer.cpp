// Feeds arbitrary bytes to the scene file reader, and every scene it accepts to the world
// writers; the checker sees every input. Only norvane::Error may escape the core.
#include "scene/Error.h"
#include "scenefile/SceneCheck.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void writeWorlds(const norvane::Scene& scene) {
    try {
        (void)norvane::buildWorld(scene, {"Night Sky", "a \"b\".wav", "frame"});
        (void)norvane::buildPreviewWorld(scene);
    } catch (const norvane::Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)norvane::checkSceneText(text);
    try {
        const norvane::Scene scene = norvane::readSceneText(text);
        writeWorlds(scene);
        if (norvane::readSceneText(norvane::writeSceneText(scene)) != scene)
            __builtin_trap();
    } catch (const norvane::Error&) {
    }
    return 0;
}
