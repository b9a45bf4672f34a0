// Feeds arbitrary bytes to the scene file reader, and every scene it accepts to the world
// writers; the checker sees every input. Only norvane::Error may escape the core, every world
// written holds numbers where it computes them, and a scene survives being written and read.
#include "scene/Error.h"
#include "scenefile/SceneCheck.h"
#include "scenefile/SceneFile.h"
#include "vrml/WorldWriter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Computed numbers and copied orientation codes start these lines; user texts never do.
constexpr std::string_view kNumberLines[] = {"translation ", "scale ", "rotation ",
                                             "geometry Box { size "};

// True when a line of computed numbers holds "inf" or "nan", which no VRML reader takes.
bool hasNonFiniteNumber(std::string_view world) {
    while (!world.empty()) {
        const std::size_t end = world.find('\n');
        const std::string_view line = world.substr(0, end);
        world.remove_prefix(end == std::string_view::npos ? world.size() : end + 1);
        for (const std::string_view start : kNumberLines) {
            if (line.starts_with(start) && (line.find("inf") != std::string_view::npos ||
                                            line.find("nan") != std::string_view::npos))
                return true;
        }
    }
    return false;
}

void writeWorlds(const norvane::Scene& scene) {
    try {
        if (hasNonFiniteNumber(
                norvane::buildWorld(scene, {"Night Sky", "a \"b\".wav", "frame", ""})))
            __builtin_trap();
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
