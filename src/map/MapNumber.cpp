#include "MapNumber.h"

#include "scene/NumberText.h"

namespace norvane {

std::optional<float> mapNumber(std::string_view text) {
    const std::optional<double> value = parseNumber(text);
    if (!value || !inCoordinateRange(*value))
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace norvane
