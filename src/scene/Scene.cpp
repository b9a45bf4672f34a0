#include "Scene.h"

#include "Catalogue.h"
#include "Error.h"

#include <algorithm>
#include <string>

namespace norvane {

const std::string& anchorUrl(const SceneObject& object) {
    return isAreaKind(object.kind) ? object.list7 : object.list6;
}

Scene& Scene::operator=(const Scene& other) {
    if (this != &other) {
        m_objects = other.m_objects;
        m_selected = other.m_selected;
        notify({SceneChange::Kind::Reset});
    }
    return *this;
}

Scene& Scene::operator=(Scene&& other) noexcept {
    m_objects = std::move(other.m_objects);
    m_selected = other.m_selected;
    notify({SceneChange::Kind::Reset});
    return *this;
}

void Scene::removeListener(SceneListener* listener) {
    std::erase(m_listeners, listener);
}

void Scene::notify(SceneChange change) {
    for (SceneListener* listener : m_listeners)
        listener->sceneChanged(change);
}

std::size_t Scene::append(SceneObject object) {
    const std::size_t row = m_objects.size();
    insert(row, std::move(object));
    return row;
}

void Scene::insert(std::size_t i, SceneObject object) {
    if (i > m_objects.size())
        throw Error("No scene row " + std::to_string(i) + " to insert at");
    m_objects.insert(m_objects.begin() + static_cast<std::ptrdiff_t>(i), std::move(object));
    if (m_selected >= static_cast<int>(i))
        ++m_selected;
    notify({SceneChange::Kind::Inserted, i, 1});
}

void Scene::replace(std::size_t i, SceneObject object) {
    if (i >= m_objects.size())
        throw Error("No scene object at row " + std::to_string(i));
    m_objects[i] = std::move(object);
    notify({SceneChange::Kind::Changed, i, 1});
}

void Scene::remove(std::size_t i) {
    if (i >= m_objects.size())
        throw Error("No scene object at row " + std::to_string(i));
    m_objects.erase(m_objects.begin() + static_cast<std::ptrdiff_t>(i));
    if (m_selected >= static_cast<int>(m_objects.size()))
        m_selected = -1;
    notify({SceneChange::Kind::Removed, i, 1});
}

void Scene::clear() {
    m_objects.clear();
    m_selected = -1;
    notify({SceneChange::Kind::Reset});
}

const SceneObject& Scene::row(std::size_t i) const {
    if (i >= m_objects.size())
        throw Error("No scene object at row " + std::to_string(i));
    return m_objects[i];
}

void Scene::setSelectedIndex(int index) {
    m_selected = (index >= 0 && static_cast<std::size_t>(index) < m_objects.size()) ? index : -1;
}

} // namespace norvane
