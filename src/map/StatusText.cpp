#include "StatusText.h"

#include "scene/NumberText.h"

namespace norvane {

std::string positionText(MapPoint at) {
    return "X " + plainForm(at.x) + ", Y " + plainForm(at.y);
}

std::string modeText(std::string_view chosenKind) {
    return chosenKind.empty() ? std::string("Select") : std::string(chosenKind);
}

std::string countText(std::size_t objects) {
    return std::to_string(objects) + (objects == 1 ? " object" : " objects");
}

} // namespace norvane
