#include "PreviewFileCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "SceneInput.h"
#include "scene/Error.h"
#include "vrml/WorldWriter.h"

namespace norvane::cli {

int runPreviewFile(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("preview-file", args, {}, 2);
    const std::string& scenePath = parsed.positional[0];
    const Scene scene = loadSceneFile(scenePath);
    std::string world;
    try {
        world = buildPreviewWorld(scene);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, scenePath + ": " + error.what());
    }
    writeOutputFile(parsed.positional[1], world);
    return kExitSuccess;
}

} // namespace norvane::cli
