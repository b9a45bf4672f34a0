#include "WebPageCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "ExportCommand.h"
#include "ProgramData.h"
#include "SceneInput.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "webpage/WebPageExport.h"

#include <array>
#include <string_view>

namespace norvane::cli {

namespace {

constexpr std::string_view kCommand = "webpage";
constexpr std::array<std::string_view, 5> kOptions{"--sky", "--music", "--target", "--title",
                                                   "--page"};

WebPageRequest requestFrom(const Arguments& parsed) {
    WebPageRequest request;
    const std::string& scenePath = parsed.positional[0];
    request.folder = parsed.positional[1];
    request.pageName = parsed.option("--page", request.pageName);
    request.title = parsed.option("--title", scenePath.substr(scenePath.find_last_of("/\\") + 1));
    request.world = worldOptionsFrom(kCommand, parsed);
    request.musicPath = parsed.option("--music");
    request.dataFolder = programDataFolder();
    return request;
}

} // namespace

int runWebPage(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(kCommand, args, kOptions, 2);
    const WebPageRequest request = requestFrom(parsed);
    const Scene scene = loadSceneFile(parsed.positional[0]);
    try {
        buildWorld(scene, request.world);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, shownPath(parsed.positional[0]) + ": " + error.what());
    }
    try {
        exportWebPage(scene, request);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
    return kExitSuccess;
}

} // namespace norvane::cli
