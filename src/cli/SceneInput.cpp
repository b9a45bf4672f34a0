#include "SceneInput.h"

#include "CliError.h"
#include "platform/AtomicFile.h"
#include "scene/Error.h"
#include "scenefile/SceneFile.h"

namespace norvane::cli {

std::string readInputFile(const std::string& path) {
    try {
        return readWholeFile(path);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
}

Scene loadSceneFile(const std::string& path) {
    const std::string text = readInputFile(path);
    try {
        return readSceneText(text);
    } catch (const Error& error) {
        throw CliError(kExitBadScene, path + ": " + error.what());
    }
}

void writeOutputFile(const std::string& path, std::string_view bytes) {
    try {
        writeFileAtomically(path, bytes);
    } catch (const Error& error) {
        throw CliError(kExitUsage, error.what());
    }
}

} // namespace norvane::cli
