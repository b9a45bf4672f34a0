#include "WebPageExport.h"

#include "WebPageText.h"
#include "platform/AtomicFile.h"
#include "platform/FileReading.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "vrml/WorldLooks.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace norvane {

namespace {

namespace fs = std::filesystem;

// The files X_ITE fetches for a VRML 2.0 world (its script, style sheet, the Text and Scripting
// components, the fonts and helpers), relative to its folder, ',' between them.
constexpr std::string_view kXiteFiles = NORVANE_XITE_FILES;
constexpr std::string_view kPageEnd = ".html";
constexpr std::string_view kEmbedName = "embed.html";
constexpr std::string_view kNameCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                             "0123456789._-";

using Output = std::pair<std::string, std::string>; // name in the folder, bytes

// The page name's stem; refuses names that are not plain "<letters, digits, . _ ->.html".
std::string pageStem(const std::string& pageName) {
    if (pageName.size() <= kPageEnd.size() || !pageName.ends_with(kPageEnd) ||
        pageName.find_first_not_of(kNameCharacters) != std::string::npos || pageName[0] == '.')
        throw Error("The page name \"" + shownPath(pageName) +
                    "\" is not a plain file name ending in .html");
    return pageName.substr(0, pageName.size() - kPageEnd.size());
}

std::string bareName(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

void addCopy(std::vector<Output>& outputs, const std::string& name, const fs::path& source) {
    outputs.emplace_back(name, readWholeFile(source.string(), FileTypes::RegularOnly));
}

void addXite(std::vector<Output>& outputs, const fs::path& dataFolder) {
    for (std::string_view rest = kXiteFiles; !rest.empty();) {
        const std::string name(rest.substr(0, rest.find(',')));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        addCopy(outputs, "x_ite/" + name, dataFolder / "x_ite" / name);
    }
}

void refuseClash(const std::vector<Output>& outputs, const std::string& musicName) {
    const auto same = [&musicName](const Output& output) { return output.first == musicName; };
    if (musicName.empty() || std::any_of(outputs.begin(), outputs.end(), same))
        throw Error("The music file \"" + shownPath(musicName) +
                    "\" cannot lie beside the page: the page needs that name");
}

std::vector<Output> outputsFor(const Scene& scene, const WebPageRequest& request) {
    const std::string stem = pageStem(request.pageName);
    WorldOptions world = request.world;
    world.musicFile = request.musicPath.empty() ? "" : bareName(request.musicPath);
    const PageLayout layout{request.title,
                            request.description.empty() ? describeScene(scene, request.title)
                                                        : request.description,
                            stem + ".wrl",
                            request.vr,
                            request.aspectWidth,
                            request.aspectHeight};
    std::vector<Output> outputs{{request.pageName, buildWebPageText(layout)},
                                {stem + ".wrl", buildWorld(scene, world)}};
    if (request.embed) {
        if (request.pageName == kEmbedName)
            throw Error("The page cannot be called embed.html: the snippet takes that name");
        outputs.emplace_back(kEmbedName, buildEmbedText(layout));
    }
    for (std::string_view texture : kTextureFiles)
        addCopy(outputs, std::string(texture), fs::path(request.dataFolder) / texture);
    addXite(outputs, request.dataFolder);
    if (!request.musicPath.empty()) {
        refuseClash(outputs, world.musicFile);
        addCopy(outputs, world.musicFile, request.musicPath);
    }
    return outputs;
}

void makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw Error("Cannot create the folder " + shownPath(folder.string()) + ": " +
                    error.message());
}

} // namespace

std::vector<std::string> exportWebPage(const Scene& scene, const WebPageRequest& request) {
    const std::vector<Output> outputs = outputsFor(scene, request);
    std::vector<std::string> written;
    for (const auto& [name, bytes] : outputs) {
        const fs::path target = fs::path(request.folder) / name;
        makeFolder(target.parent_path());
        writeFileAtomically(target.string(), bytes);
        written.push_back(name);
    }
    return written;
}

} // namespace norvane
