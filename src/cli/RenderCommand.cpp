// Built only with the Qt canvas, which paints the picture.
#ifdef NORVANE_HAVE_QTCANVAS

#include "RenderCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "SceneInput.h"

#include "map/MapZoom.h"
#include "map/Render2D.h"
#include "render/MapPicture.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "scenefile/SceneFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

namespace norvane::cli {

namespace {

constexpr std::array<std::string_view, 2> kOptions{"--zoom", "--size"};
constexpr int kMinSize = 16;
constexpr int kMaxSize = 4096;

ZoomLevel zoomFrom(const std::string& text) {
    int percent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    const auto level = zoomFromPercent(percent);
    if (error != std::errc{} || end != text.data() + text.size() || !level)
        throw CliError(kExitUsage, "render: --zoom must be 100, 200 or 400, not \"" + text + "\"");
    return *level;
}

// The picture's width and height in pixels for --size, which thumbnailers ask for.
int sizeFrom(const std::string& text) {
    int pixels = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pixels);
    if (error != std::errc{} || end != text.data() + text.size() || pixels < kMinSize ||
        pixels > kMaxSize)
        throw CliError(kExitUsage, "render: --size must be a number of pixels from " +
                                       std::to_string(kMinSize) + " to " +
                                       std::to_string(kMaxSize) + ", not \"" + text + "\"");
    return pixels;
}

// The picture's width and height: --size as given, otherwise the map's size at --zoom.
int picturePixels(const Arguments& parsed) {
    const bool sized = parsed.options.contains("--size");
    if (sized && parsed.options.contains("--zoom"))
        throw CliError(kExitUsage, "render: give --size or --zoom, not both");
    if (sized)
        return sizeFrom(parsed.option("--size"));
    return twipsToPixels(surfaceTwips(zoomFrom(parsed.option("--zoom", "100"))));
}

constexpr std::size_t kShownSkips = 10;

// Rows the map cannot draw (`skippedRows`, from painting) are left out of the picture; say which
// on stderr, so none vanishes without a word.
void reportSkippedRows(const Scene& scene, const std::vector<std::size_t>& skippedRows) {
    for (std::size_t i = 0; i < std::min(skippedRows.size(), kShownSkips); ++i) {
        const std::size_t row = skippedRows[i];
        std::cerr << "norvane-cli: render: row " << row + 1 << " (line "
                  << row * kLinesPerObject + 1 << ", \"" << shownPath(scene.row(row).kind)
                  << "\") is not drawn\n";
    }
    if (skippedRows.size() > kShownSkips)
        std::cerr << "norvane-cli: render: " << skippedRows.size() - kShownSkips
                  << " more rows are not drawn\n";
}

} // namespace

int runRender(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("render", args, kOptions, 2);
    const int pixels = picturePixels(parsed);
    refuseWritingInput(parsed.positional[0], parsed.positional[1]);
    const Scene scene = loadSceneFile(parsed.positional[0]);
    QImage picture = newMapPicture(pixels);
    reportSkippedRows(scene, paintMapPicture(scene, picture));
    writePictureFile(parsed.positional[1], picture);
    return kExitSuccess;
}

void writePictureFile(const std::string& path, const QImage& picture) {
    std::string png;
    try {
        png = pngBytes(picture);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
    writeOutputFile(path, png);
}

} // namespace norvane::cli

#endif // NORVANE_HAVE_QTCANVAS
