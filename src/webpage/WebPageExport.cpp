#include "WebPageExport.h"

#include "WebPageText.h"
#include "formats/WorldFormats.h"
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

constexpr std::string_view kPageEnd = ".html";
constexpr std::string_view kEmbedName = "embed.html";
constexpr std::string_view kPosterName = "poster.png";
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

// Which page worlds make X_ITE fetch a file of its own: the components and fonts it loads for
// the profile of each format, the pictures it shows while a sound waits for a click or a finger
// walks, the icons of its menu.
constexpr unsigned kAlways = 0, kVrmlOrX3d = 1, kX3d = 2, kGltf = 4, kSound = 8;

struct XiteFile {
    std::string_view name;
    unsigned need;
};

constexpr std::array<XiteFile, 42> kXiteFiles{{
    {"LICENSE.md", kAlways}, // travels with the files, though no page fetches it
    {"x_ite.min.js", kAlways},
    {"x_ite.css", kAlways},
    {"assets/fonts/PT_Sans/PTSans-Regular.woff2", kAlways},
    {"assets/fonts/PT_Sans/PTSans-Bold.woff2", kAlways},
    {"assets/fonts/PT_Sans/PTSans-Italic.woff2", kAlways},
    {"assets/images/logo.svg", kAlways},
    {"assets/images/schedule.svg", kAlways},
    {"assets/images/animation.svg", kAlways}, // the menu a long press opens
    {"assets/images/block.svg", kAlways},
    {"assets/images/border_all.svg", kAlways},
    {"assets/images/check_circle.svg", kAlways},
    {"assets/images/directions_run.svg", kAlways},
    {"assets/images/eye_tracking.svg", kAlways},
    {"assets/images/fullscreen.svg", kAlways},
    {"assets/images/fullscreen_exit.svg", kAlways},
    {"assets/images/globe.svg", kAlways},
    {"assets/images/hexagon.svg", kAlways},
    {"assets/images/info.svg", kAlways},
    {"assets/images/language.svg", kAlways},
    {"assets/images/play_circle.svg", kAlways},
    {"assets/images/point_scan.svg", kAlways},
    {"assets/images/radio_button_checked.svg", kAlways},
    {"assets/images/radio_button_unchecked.svg", kAlways},
    {"assets/images/stadia_controller.svg", kAlways},
    {"assets/images/stop_circle.svg", kAlways},
    {"assets/images/stroke_partial.svg", kAlways},
    {"assets/images/texture.svg", kAlways},
    {"assets/images/travel.svg", kAlways},
    {"assets/images/visibility.svg", kAlways},
    {"assets/images/xr.svg", kAlways},
    {"assets/lib/mikktspace_bg.wasm", kAlways},
    {"assets/linetype/linetypes.png", kAlways}, // the line a finger draws while walking
    {"assets/components/ScriptingComponent.min.js", kVrmlOrX3d},
    {"assets/components/TextComponent.min.js", kVrmlOrX3d},
    {"assets/fonts/Droid/DroidSerif-Regular.woff2", kVrmlOrX3d},
    {"assets/lib/woff2_decoder.js", kVrmlOrX3d},
    {"assets/components/EventUtilitiesComponent.min.js", kX3d},
    {"assets/components/Geometry2DComponent.min.js", kX3d},
    {"assets/components/KeyDeviceSensorComponent.min.js", kX3d},
    {"assets/components/Texturing3DComponent.min.js", kGltf},
    {"assets/images/no_sound.svg", kSound},
}};

// What a page of the world `format` (with music or without) makes X_ITE fetch.
unsigned xiteNeeds(std::string_view format, bool music) {
    const bool gltf = format == "glb";
    return (gltf ? kGltf : kVrmlOrX3d) | (format == "x3d" ? kX3d : 0) |
           (music && !gltf ? kSound : 0);
}

void addXite(std::vector<Output>& outputs, const fs::path& dataFolder, unsigned needs) {
    for (const XiteFile& file : kXiteFiles)
        if ((file.need & needs) == file.need)
            addCopy(outputs, "x_ite/" + std::string(file.name), dataFolder / "x_ite" / file.name);
}

void refuseClash(const std::vector<Output>& outputs, const std::string& musicName) {
    const auto same = [&musicName](const Output& output) { return output.first == musicName; };
    if (musicName.empty() || std::any_of(outputs.begin(), outputs.end(), same))
        throw Error("The music file \"" + shownPath(musicName) +
                    "\" cannot lie beside the page: the page needs that name");
}

// The formats X_ITE shows on a page (ClassicVRML X3D it reads too, but no viewer besides).
constexpr std::array<std::string_view, 4> kPageFormats{"wrl", "wrz", "x3d", "glb"};

const WorldFormat& pageWorldFormat(std::string_view name) {
    const WorldFormat* format = worldFormatNamed(name);
    if (!format ||
        std::find(kPageFormats.begin(), kPageFormats.end(), format->name) == kPageFormats.end())
        throw Error("A page cannot show a world of the format \"" + shownPath(name) +
                    "\" (choose wrl, wrz, x3d or glb)");
    return *format;
}

std::vector<Output> outputsFor(const Scene& scene, const WebPageRequest& request) {
    const std::string stem = pageStem(request.pageName);
    WorldOptions world = request.world;
    world.musicFile = request.musicPath.empty() ? "" : bareName(request.musicPath);
    const PageOptions& page = request.page;
    const WorldFormat& format = pageWorldFormat(page.worldFormat);
    world.textureFolder = request.dataFolder;
    const std::string worldName = stem + std::string(format.extension);
    const PageLayout layout{request.title,
                            page.description.empty() ? describeScene(scene, request.title)
                                                     : page.description,
                            worldName,
                            page.vr,
                            page.aspectWidth,
                            page.aspectHeight,
                            !request.poster.empty()};
    std::vector<Output> outputs{{request.pageName, buildWebPageText(layout)},
                                {worldName, worldText(scene, world, format.write)}};
    if (page.embed) {
        if (request.pageName == kEmbedName)
            throw Error("The page cannot be called embed.html: the snippet takes that name");
        outputs.emplace_back(kEmbedName, buildEmbedText(layout));
    }
    // The textures the world's text names; the compressed world's text is the VRML world's, and
    // the glTF binary carries its textures.
    const bool packed = format.name == "wrz", gltf = format.name == "glb";
    const std::string plain = packed ? buildWorld(scene, world) : std::string();
    const std::string_view named = packed ? std::string_view(plain)
                                   : gltf ? std::string_view()
                                          : outputs[1].second;
    for (std::string_view texture : kTextureFiles)
        if (named.find(texture) != std::string_view::npos)
            addCopy(outputs, std::string(texture), fs::path(request.dataFolder) / texture);
    if (!request.poster.empty())
        outputs.emplace_back(kPosterName, request.poster);
    const bool music = !request.musicPath.empty() && !gltf; // glTF plays none
    addXite(outputs, request.dataFolder, xiteNeeds(format.name, music));
    if (music) {
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

int posterHeight(const PageOptions& page) {
    return std::clamp(kPosterWidth * page.aspectHeight / std::max(1, page.aspectWidth), 16, 4096);
}

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

std::string publishedSize(const std::string& folder, const std::vector<std::string>& names) {
    std::uintmax_t bytes = 0;
    for (const std::string& name : names)
        bytes += fs::file_size(fs::path(folder) / name);
    const std::uintmax_t tenths = (bytes + 50'000) / 100'000; // of a megabyte
    return std::to_string(names.size()) + " files, " + std::to_string(tenths / 10) + '.' +
           std::to_string(tenths % 10) + " MB";
}

} // namespace norvane
