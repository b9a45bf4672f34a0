#include "ObjectWriter.h"

#include "ObjectBlocks.h"

namespace norvane {

std::string ExportVRML(const Scene& scene, std::string_view anchorTarget) {
    std::string text;
    writeObjectNodes(scene, anchorTarget, [&text](std::string_view bytes) { text += bytes; });
    return text;
}

} // namespace norvane
