#include "ObjectMove.h"

#include "MapNumber.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"

#include <array>
#include <string>

namespace norvane {

namespace {

// Adds `by` to each number text in `texts`, written with `form`; false, changing nothing, when
// one of them is not a number.
template <std::size_t N>
bool shift(const std::array<std::string*, N>& texts, const std::array<float, N>& by,
           std::string (*form)(float)) {
    std::array<float, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = mapNumber(*texts[i]);
        if (!value)
            return false;
        values[i] = *value + by[i];
    }
    for (std::size_t i = 0; i < N; ++i)
        *texts[i] = form(values[i]);
    return true;
}

} // namespace

std::optional<SceneObject> movedBy(const SceneObject& row, MapPoint offset) {
    SceneObject moved = row;
    const bool done = isAreaKind(row.kind)
                          ? shift<4>({&moved.list3, &moved.list4, &moved.list5, &moved.list6},
                                     {offset.x, offset.y, offset.x, offset.y}, plainForm)
                          : shift<2>({&moved.list3, &moved.list4}, {offset.x, offset.y}, pointForm);
    if (!done)
        return std::nullopt;
    return moved;
}

} // namespace norvane
