#pragma once

#include "MapPoint.h"

#include "scene/SceneObject.h"

#include <cstddef>
#include <optional>

namespace norvane {

// The mouse gesture that drags one object on the map, fed plain events in map units. It keeps
// the row, its values at the press and the pressed point, so the pointer keeps its offset from
// the object however far the drag goes.
class MoveGesture {
public:
    // Starts dragging row `row`, whose values are `object`, from the point `at`.
    void press(std::size_t row, const SceneObject& object, MapPoint at);
    // The row's values with the pointer at `at`; nothing when no drag is going on or the row's
    // coordinates are not numbers.
    std::optional<SceneObject> moveTo(MapPoint at) const;
    // Ends the drag.
    void end() { m_active = false; }

    bool active() const { return m_active; }
    std::size_t row() const { return m_row; }
    const SceneObject& original() const { return m_original; }

private:
    bool m_active = false;
    std::size_t m_row = 0;
    SceneObject m_original;
    MapPoint m_start;
};

} // namespace norvane
