#include "SceneEdits.h"

#include <utility>

namespace norvane {

std::size_t placeObject(Scene& scene, SceneObject object) {
    const std::size_t row = scene.append(std::move(object));
    scene.setSelectedIndex(static_cast<int>(row));
    return row;
}

bool removeSelected(Scene& scene) {
    const int row = scene.selectedIndex();
    if (row < 0)
        return false;
    scene.remove(static_cast<std::size_t>(row));
    const int count = static_cast<int>(scene.count());
    scene.setSelectedIndex(row < count ? row : row - 1);
    return true;
}

} // namespace norvane
