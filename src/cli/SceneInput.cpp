#include "SceneInput.h"

#include "CliError.h"
#include "platform/AtomicFile.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "scenefile/SceneFile.h"
#include "scenefile/SceneFileInput.h"

#include <sys/stat.h>

namespace norvane::cli {

std::string readInputFile(const std::string& path) {
    try {
        return readSceneFileText(path, FileTypes::Any);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
}

Scene loadSceneFile(const std::string& path) {
    std::string text = readInputFile(path);
    try {
        return readSceneTextInPlace(std::move(text));
    } catch (const Error& error) {
        throw CliError(kExitBadScene, shownPath(path) + ": " + error.what());
    }
}

void refuseWritingInput(const std::string& inputPath, const std::string& outPath) {
    struct stat input {};
    struct stat out {};
    if (::stat(inputPath.c_str(), &input) != 0 || ::stat(outPath.c_str(), &out) != 0)
        return;
    if (S_ISREG(out.st_mode) && input.st_dev == out.st_dev && input.st_ino == out.st_ino)
        throw CliError(kExitUsage,
                       "Cannot write " + shownPath(outPath) + ": it is the scene file being read");
}

void writeOutputFile(const std::string& path, std::string_view bytes) {
    writeOutputFile(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

void writeOutputFile(const std::string& path,
                     const std::function<void(const ByteSink& sink)>& produce) {
    try {
        writeFileAtomically(path, produce);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
}

} // namespace norvane::cli
