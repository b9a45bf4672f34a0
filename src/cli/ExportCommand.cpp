#include "ExportCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "ProgramData.h"
#include "SceneInput.h"
#include "formats/WorldFormats.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "vrml/FormatReport.h"
#include "vrml/WorldWriter.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string_view>

namespace norvane::cli {

namespace {

constexpr std::array<std::string_view, 4> kOptions{"--sky", "--music", "--target", "--format"};
constexpr std::array<std::string_view, 1> kFlags{"--report"};
constexpr std::array<std::string_view, 4> kSkies{"Blue Sky", "Night Sky", "Black", "White"};

std::string checkedSky(std::string_view command, const std::string& sky) {
    if (std::find(kSkies.begin(), kSkies.end(), sky) == kSkies.end())
        throw CliError(kExitUsage, std::string(command) + ": unknown sky \"" + shownPath(sky) +
                                       "\" (choose \"Blue Sky\", \"Night Sky\", "
                                       "\"Black\" or \"White\")");
    return sky;
}

// The world names its music by bare file name, after the last '/' or '\': it is looked for
// beside the world. A path that ends in a separator names no file and is refused.
std::string musicFileName(std::string_view command, const Arguments& parsed) {
    if (!parsed.options.contains("--music"))
        return {};
    const std::string path = parsed.option("--music");
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    if (name.empty())
        throw CliError(kExitUsage, std::string(command) + ": --music names no file: \"" +
                                       shownPath(path) + "\"");
    return name;
}

// One field of every format: "a, b, c or d".
std::string formatList(std::string_view WorldFormat::*field) {
    std::string list;
    const auto& formats = worldFormats();
    for (std::size_t i = 0; i < formats.size(); ++i)
        list += (i == 0                    ? ""
                 : i + 1 == formats.size() ? " or "
                                           : ", ") +
                std::string(formats[i].*field);
    return list;
}

// The format --format names, else the one of the output's extension.
const WorldFormat& chosenFormat(const Arguments& parsed, const std::string& outPath) {
    if (parsed.options.contains("--format")) {
        const std::string name = parsed.option("--format");
        if (const WorldFormat* format = worldFormatNamed(name))
            return *format;
        throw CliError(kExitUsage, "export: unknown format \"" + shownPath(name) + "\" (choose " +
                                       formatList(&WorldFormat::name) + ")");
    }
    if (const WorldFormat* format = worldFormatOf(outPath))
        return *format;
    throw CliError(kExitUsage, "export: cannot tell the format of " + shownPath(outPath) +
                                   " (name it " + formatList(&WorldFormat::extension) +
                                   ", or give --format)");
}

// What the format loses of the scene, on standard error; a line saying so when it loses nothing.
void printReport(const WorldFormat& format, const WorldUse& use) {
    const std::string report = compatibilityReport(format.name, format.title, use);
    std::cerr << (report.empty() ? std::string(format.title) + ": keeps everything this scene uses"
                                 : report)
              << '\n';
}

} // namespace

WorldOptions worldOptionsFrom(std::string_view command, const Arguments& parsed) {
    WorldOptions options;
    options.sky = checkedSky(command, parsed.option("--sky", options.sky));
    options.musicFile = musicFileName(command, parsed);
    options.targetFrame = parsed.option("--target");
    options.textureFolder = programDataFolder();
    return options;
}

Scene writeWorldFile(const std::string& scenePath, const std::string& outPath,
                     const WorldOptions& options, WorldFormatWriter write) {
    Scene scene = loadSceneFile(scenePath);
    writeOutputFile(outPath, [&](const ByteSink& sink) {
        try {
            write(scene, options, sink);
        } catch (const Error& error) {
            throw CliError(kExitBadScene, shownPath(scenePath) + ": " + error.what());
        }
    });
    return scene;
}

int runExport(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("export", args, kOptions, 2, kFlags);
    const WorldOptions options = worldOptionsFrom("export", parsed);
    refuseWritingInput(parsed.positional[0], parsed.positional[1]);
    const WorldFormat& format = chosenFormat(parsed, parsed.positional[1]);
    const Scene scene =
        writeWorldFile(parsed.positional[0], parsed.positional[1], options, format.write);
    if (parsed.options.contains("--report"))
        printReport(format, worldUse(scene, options));
    return kExitSuccess;
}

} // namespace norvane::cli
