#include "SceneFileInput.h"

#include "scene/Error.h"
#include "scene/ShownPath.h"

namespace norvane {

std::string readSceneFileText(const std::string& path, FileTypes types) {
    return readWholeFile(path, types, [&path](std::string_view chunk) {
        if (chunk.find('\0') != std::string_view::npos)
            throw Error("Cannot read " + shownPath(path) + ": it is not a Norvane scene file");
    });
}

} // namespace norvane
