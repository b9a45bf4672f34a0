#include "ObjectWriter.h"

#include "ObjectNodeWriter.h"

namespace norvane {

std::string ExportVRML(const Scene& scene, std::string_view anchorTarget) {
    std::string text;
    ObjectNodeWriter(text, anchorTarget).writeScene(scene);
    return text;
}

} // namespace norvane
