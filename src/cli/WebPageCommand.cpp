#include "WebPageCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "ExportCommand.h"
#include "HelperStart.h"
#include "ProgramData.h"
#include "SceneInput.h"
#include "platform/FileReading.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "webpage/WebPageExport.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <tuple>
#include <unistd.h>
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
    request.page.description = parsed.option("--description");
    request.page.embed = parsed.options.contains("--embed");
    request.page.vr = !parsed.options.contains("--no-vr");
    request.page.worldFormat = parsed.option("--format", request.page.worldFormat);
    std::tie(request.page.aspectWidth, request.page.aspectHeight) =
        aspectFrom(parsed.option("--aspect", "4:3"));
    return request;
}

struct Poster {
    std::string png;     // "" when neither helper could draw one
    std::string_view is; // what the poster shows
};

// poster.png: the 3D view from the start point through the snapshot helper, or where that finds
// no OpenGL the map through the render helper.
Poster posterFor(const std::string& scenePath, const WebPageRequest& request) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("norvane-poster-" + std::to_string(getpid()) + ".png");
    const int height = posterHeight(request.page);
    const std::vector<std::string> snapshot{
        scenePath, file.string(),
        "--size",  std::to_string(kPosterWidth) + 'x' + std::to_string(height),
        "--sky",   request.world.sky};
    const std::vector<std::string> map{scenePath, file.string(), "--size", std::to_string(height)};
    Poster poster;
    if (runHelperQuietly("snapshot", snapshot) == kExitSuccess)
        poster.is = kPosterOf3DView;
    else if (runHelperQuietly("render", map) == kExitSuccess)
        poster.is = kPosterOfMap;
    else
        return {"", "missing (neither the 3D view nor the map could be drawn)"};
    poster.png = readWholeFile(file.string(), FileTypes::RegularOnly);
    std::filesystem::remove(file);
    return poster;
}

} // namespace

int runWebPage(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments(kCommand, args, kOptions, 2, kFlags);
    WebPageRequest request = requestFrom(parsed);
    const Scene scene = loadSceneFile(parsed.positional[0]);
    try {
        buildWorld(scene, request.world);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, shownPath(parsed.positional[0]) + ": " + error.what());
    }
    const Poster poster = posterFor(parsed.positional[0], request);
    request.poster = poster.png;
    try {
        const std::vector<std::string> written = exportWebPage(scene, request);
        std::cout << shownPath(request.folder) << ": " << publishedSize(request.folder, written)
                  << "; the poster is " << poster.is << '\n';
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
    return kExitSuccess;
}

} // namespace norvane::cli
