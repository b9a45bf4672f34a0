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
#include <charconv>
#include <iostream>
#include <string_view>
#include <tuple>
#include <utility>

namespace norvane::cli {

namespace {

constexpr std::string_view kCommand = "webpage";
constexpr std::array<std::string_view, 8> kOptions{
    "--sky", "--music", "--target", "--title", "--page", "--description", "--aspect", "--format"};
constexpr std::array<std::string_view, 2> kFlags{"--embed", "--no-vr"};

// "W:H" with whole numbers from 1 to 100 each.
std::pair<int, int> aspectFrom(const std::string& text) {
    int width = 0, height = 0;
    const char* end = text.data() + text.size();
    const auto [colon, widthError] = std::from_chars(text.data(), end, width);
    const bool read = widthError == std::errc() && colon != end && *colon == ':' &&
                      std::from_chars(colon + 1, end, height).ptr == end;
    if (!read || width < 1 || width > 100 || height < 1 || height > 100)
        throw CliError(kExitUsage, std::string(kCommand) +
                                       ": --aspect is not W:H with whole "
                                       "numbers from 1 to 100: \"" +
                                       shownPath(text) + "\"");
    return {width, height};
}

WebPageRequest requestFrom(const Arguments& parsed) {
    WebPageRequest request;
    const std::string& scenePath = parsed.positional[0];
    request.folder = parsed.positional[1];
    request.pageName = parsed.option("--page", request.pageName);
    request.title = parsed.option("--title", scenePath.substr(scenePath.find_last_of("/\\") + 1));
    request.world = worldOptionsFrom(kCommand, parsed);
    request.musicPath = parsed.option("--music");
    request.dataFolder = programDataFolder();
    request.description = parsed.option("--description");
    request.embed = parsed.options.contains("--embed");
    request.vr = !parsed.options.contains("--no-vr");
    request.worldFormat = parsed.option("--format", request.worldFormat);
    std::tie(request.aspectWidth, request.aspectHeight) =
        aspectFrom(parsed.option("--aspect", "4:3"));
    return request;
}

} // namespace

int runWebPage(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(kCommand, args, kOptions, 2, kFlags);
    const WebPageRequest request = requestFrom(parsed);
    const Scene scene = loadSceneFile(parsed.positional[0]);
    try {
        buildWorld(scene, request.world);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, shownPath(parsed.positional[0]) + ": " + error.what());
    }
    try {
        const std::vector<std::string> written = exportWebPage(scene, request);
        std::cout << shownPath(request.folder) << ": " << publishedSize(request.folder, written)
                  << '\n';
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
    return kExitSuccess;
}

} // namespace norvane::cli
