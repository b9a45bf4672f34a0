#include "Scene.h"

#include "Catalogue.h"
#include "Error.h"
#include "LargeMemory.h"
#include "RowFields.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace norvane {

namespace {

// Texts of dropped rows are given back by repacking once they outweigh the live ones and
// this many bytes, so that an editing session never holds more than about twice its texts.
constexpr std::size_t kRepackAbove = 1024 * 1024;

std::size_t textSize(const SceneRow& object) {
    return object.kind.size() + object.list3.size() + object.list4.size() + object.list5.size() +
           object.list6.size() + object.list7.size();
}

} // namespace

std::string_view anchorUrl(const SceneRow& object) {
    return isAreaKind(object.kind) ? areaFields(object).anchor : pointFields(object).anchor;
}

Scene::Scene(const Scene& other) : m_selection(other.m_selection) {
    copyRowsOf(other);
}

Scene::Scene(Scene&& other) noexcept
    : m_rows(std::move(other.m_rows)), m_texts(std::move(other.m_texts)),
      m_unusedBytes(std::exchange(other.m_unusedBytes, 0)), m_selection(other.m_selection) {
    other.m_rows.clear();
}

Scene& Scene::operator=(const Scene& other) {
    if (this != &other) {
        Scene copy(other);
        m_rows = std::move(copy.m_rows);
        m_texts = std::move(copy.m_texts);
        m_unusedBytes = 0;
        m_selection = other.m_selection;
        notify({SceneChange::Kind::Reset});
    }
    return *this;
}

Scene& Scene::operator=(Scene&& other) noexcept {
    if (this != &other) {
        m_rows = std::move(other.m_rows);
        m_texts = std::move(other.m_texts);
        m_unusedBytes = std::exchange(other.m_unusedBytes, 0);
        m_selection = other.m_selection;
        other.m_rows.clear();
    }
    notify({SceneChange::Kind::Reset});
    return *this;
}

bool operator==(const Scene& a, const Scene& b) {
    const SceneRows left = a.rows();
    const SceneRows right = b.rows();
    return std::equal(left.begin(), left.end(), right.begin(), right.end());
}

void Scene::copyRowsOf(const Scene& other) {
    const SceneRows rows = other.rows();
    m_rows.clear();
    m_texts.clear();
    m_unusedBytes = 0;
    reserve(rows.size(), other.m_texts.used() - other.m_unusedBytes);
    for (const SceneRow row : rows)
        m_rows.push_back(pack(row));
}

void Scene::reserve(std::size_t rows, std::size_t textBytes) {
    const std::size_t capacity = m_rows.capacity();
    m_rows.reserve(m_rows.size() + rows);
    if (m_rows.capacity() != capacity)
        preferLargePages(m_rows.data(), m_rows.capacity() * sizeof(PackedRow));
    m_texts.reserve(textBytes);
}

void Scene::appendLaidOut(std::size_t rows, std::size_t textBytes,
                          const std::function<void(char* texts, std::span<PackedRow> rows)>& fill) {
    reserve(rows, textBytes);
    fillRows(m_texts.allocate(textBytes), rows, fill);
}

void Scene::appendLaidOutIn(
    std::string text, std::size_t rows,
    const std::function<void(char* texts, std::span<PackedRow> rows)>& fill) {
    reserve(rows);
    fillRows(m_texts.adopt(std::move(text)), rows, fill);
}

void Scene::fillRows(char* texts, std::size_t rows,
                     const std::function<void(char* texts, std::span<PackedRow> rows)>& fill) {
    const std::size_t first = m_rows.size();
    m_rows.resize(first + rows);
    try {
        fill(texts, std::span(m_rows).subspan(first));
    } catch (...) {
        m_rows.resize(first);
        throw;
    }
    if (rows > 0)
        notify({SceneChange::Kind::Inserted, first, rows});
}

PackedRow Scene::pack(const SceneRow& object) {
    const std::size_t size = textSize(object);
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw Error("An object's texts are too long to keep");
    PackedRow packed;
    char* text = m_texts.allocate(size);
    packed.text = text;
    std::uint32_t end = 0;
    std::size_t i = 0;
    for (const std::string_view value :
         {object.kind, object.list3, object.list4, object.list5, object.list6, object.list7}) {
        if (!value.empty())
            std::memcpy(text + end, value.data(), value.size());
        end += static_cast<std::uint32_t>(value.size());
        packed.ends[i++] = end;
    }
    return packed;
}

// Counts the texts of a row that is gone, and repacks the live rows when enough are gone.
void Scene::dropTexts(const PackedRow& row) {
    m_unusedBytes += row.size();
    if (m_unusedBytes > kRepackAbove && m_unusedBytes * 2 > m_texts.used()) {
        Scene packed(*this);
        m_rows = std::move(packed.m_rows);
        m_texts = std::move(packed.m_texts);
        m_unusedBytes = 0;
    }
}

void Scene::removeListener(SceneListener* listener) {
    std::erase(m_listeners, listener);
}

void Scene::notify(SceneChange change) {
    for (SceneListener* listener : m_listeners)
        listener->sceneChanged(change);
}

std::size_t Scene::append(const SceneRow& object) {
    const std::size_t row = m_rows.size();
    insert(row, object);
    return row;
}

void Scene::insert(std::size_t i, const SceneRow& object) {
    if (i > m_rows.size())
        throw Error("No scene row " + std::to_string(i) + " to insert at");
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(i), pack(object));
    m_selection.rowsInserted(i, 1);
    notify({SceneChange::Kind::Inserted, i, 1});
}

void Scene::replace(std::size_t i, const SceneRow& object) {
    if (i >= m_rows.size())
        throw Error("No scene object at row " + std::to_string(i));
    const PackedRow old = std::exchange(m_rows[i], pack(object));
    dropTexts(old);
    notify({SceneChange::Kind::Changed, i, 1});
}

void Scene::replace(std::span<const std::size_t> rows, std::span<const SceneObject> objects) {
    if (rows.size() != objects.size())
        throw Error("Replacing " + std::to_string(rows.size()) + " rows with " +
                    std::to_string(objects.size()) + " objects");
    std::size_t first = m_rows.size(), last = 0;
    for (std::size_t i : rows) {
        if (i >= m_rows.size())
            throw Error("No scene object at row " + std::to_string(i));
        first = std::min(first, i), last = std::max(last, i);
    }
    for (std::size_t k = 0; k < rows.size(); ++k)
        dropTexts(std::exchange(m_rows[rows[k]], pack(objects[k])));
    if (!rows.empty())
        notify({SceneChange::Kind::Changed, first, last - first + 1});
}

void Scene::remove(std::size_t i) {
    if (i >= m_rows.size())
        throw Error("No scene object at row " + std::to_string(i));
    const PackedRow old = m_rows[i];
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(i));
    m_selection.rowsRemoved(i, 1);
    dropTexts(old);
    notify({SceneChange::Kind::Removed, i, 1});
}

void Scene::clear() {
    m_rows.clear();
    m_texts.clear();
    m_unusedBytes = 0;
    m_selection.clear();
    notify({SceneChange::Kind::Reset});
}

SceneRow Scene::row(std::size_t i) const {
    if (i >= m_rows.size())
        throw Error("No scene object at row " + std::to_string(i));
    return m_rows[i].view();
}

void Scene::setSelectedIndex(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_rows.size())
        m_selection.selectOnly(static_cast<std::size_t>(index));
    else
        m_selection.clear();
}

} // namespace norvane
