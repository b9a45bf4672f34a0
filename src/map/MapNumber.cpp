#include "MapNumber.h"

#include "scene/NumberText.h"

#include <cmath>
#include <limits>

namespace norvane {

std::optional<float> mapNumber(std::string_view text) {
    const std::optional<double> value = parseNumber(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace norvane
