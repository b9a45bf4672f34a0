#include "ExportCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "SceneInput.h"
#include "scene/Error.h"
#include "vrml/WorldWriter.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace norvane::cli {

namespace {

constexpr std::array<std::string_view, 3> kOptions{"--sky", "--music", "--target"};
constexpr std::array<std::string_view, 4> kSkies{"Blue Sky", "Night Sky", "Black", "White"};

std::string checkedSky(const std::string& sky) {
    if (std::find(kSkies.begin(), kSkies.end(), sky) == kSkies.end())
        throw CliError(kExitUsage, "export: unknown sky \"" + sky +
                                       "\" (choose \"Blue Sky\", \"Night Sky\", "
                                       "\"Black\" or \"White\")");
    return sky;
}

// The world names its music by bare file name: it is looked for beside the world.
std::string bareFileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

WorldOptions optionsFrom(const Arguments& parsed) {
    WorldOptions options;
    options.sky = checkedSky(parsed.option("--sky", options.sky));
    options.musicFile = bareFileName(parsed.option("--music"));
    options.targetFrame = parsed.option("--target");
    return options;
}

} // namespace

int runExport(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("export", args, kOptions, 2);
    const WorldOptions options = optionsFrom(parsed);
    const std::string& scenePath = parsed.positional[0];
    const Scene scene = loadSceneFile(scenePath);
    std::string world;
    try {
        world = buildWorld(scene, options);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, scenePath + ": " + error.what());
    }
    writeOutputFile(parsed.positional[1], world);
    return kExitSuccess;
}

} // namespace norvane::cli
