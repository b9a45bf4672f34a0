#pragma once

#include "RowSelection.h"
#include "SceneObject.h"
#include "SceneRows.h"
#include "TextArena.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace norvane {

// What a change did to the rows of a scene: `count` rows from row `first` were inserted,
// removed or given new values, or every row was replaced (Reset, first and count 0).
struct SceneChange {
    enum class Kind { Inserted, Removed, Changed, Reset };
    Kind kind;
    std::size_t first = 0;
    std::size_t count = 0;

    friend bool operator==(const SceneChange&, const SceneChange&) = default;
};

// Told of every change of a scene's rows, after the change. Selection changes are not rows.
class SceneListener {
public:
    virtual ~SceneListener() = default;
    virtual void sceneChanged(const SceneChange& change) = 0;
};

// The ordered sequence of placed objects plus the selected row (-1 for none).
// Every change is one small operation so that it can later become an undoable command.
// The texts of all rows live packed in one arena, exact bytes; rows are handed out as views
// (SceneRow), valid until the next change of the scene.
class Scene {
public:
    Scene() = default;
    // A copy or a moved-from scene has no listeners: they listen to one scene.
    Scene(const Scene& other);
    Scene(Scene&& other) noexcept;
    // Takes the rows and selection of `other`, keeps its own listeners and tells them Reset.
    Scene& operator=(const Scene& other);
    Scene& operator=(Scene&& other) noexcept;

    std::size_t count() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }

    // Adds a row at the end; returns its index. The texts are copied.
    std::size_t append(const SceneRow& object);
    // Inserts a row before row i (i == count() appends); later rows move down, their selection
    // with them. Throws Error when i is past the end.
    void insert(std::size_t i, const SceneRow& object);
    // Gives row i new values. Throws Error when i is out of range.
    void replace(std::size_t i, const SceneRow& object);
    // Gives each of `rows` the value of `objects` at the same place; listeners hear of one change
    // from the first to the last of them. Throws Error, changing nothing, when a row is out of
    // range or the counts differ.
    void replace(std::span<const std::size_t> rows, std::span<const SceneObject> objects);
    // Removes row i (later rows move up, their selection with them; row i leaves the selection).
    // Throws Error when i is out of range.
    void remove(std::size_t i);
    // Removes every row and the selection.
    void clear();

    // Row i; throws Error when i is out of range.
    SceneRow row(std::size_t i) const;
    SceneRows rows() const { return SceneRows(m_rows); }

    // The selected rows, kept with their objects as rows come and go; not a change of rows.
    const RowSelection& selection() const { return m_selection; }
    RowSelection& selection() { return m_selection; }
    // The current selected row; -1 for none.
    int selectedIndex() const { return m_selection.current(); }
    // Selects row `index` alone; -1 or an index past the last row selects nothing.
    void setSelectedIndex(int index);

    // Adds `rows` rows at the end whose texts take at most `textBytes` bytes, laid out in place by
    // `fill` (on as many threads as it likes): it gets room for the texts and the new rows, and
    // must set every row, pointing into that room. Listeners then hear of them as one insertion.
    void appendLaidOut(std::size_t rows, std::size_t textBytes,
                       const std::function<void(char* texts, std::span<PackedRow> rows)>& fill);

    // As appendLaidOut, with the texts laid out inside `text` itself, which the scene keeps from
    // then on: `fill` gets text.data() (see TextArena::adopt) and may move the bytes of `text`
    // towards its start.
    void appendLaidOutIn(std::string text, std::size_t rows,
                         const std::function<void(char* texts, std::span<PackedRow> rows)>& fill);

    // Makes room for `rows` more rows holding `textBytes` bytes of texts in all.
    void reserve(std::size_t rows, std::size_t textBytes = 0);

    // `listener` is told of every later change until it is removed; not owned.
    void addListener(SceneListener* listener) { m_listeners.push_back(listener); }
    void removeListener(SceneListener* listener);

    friend bool operator==(const Scene& a, const Scene& b);

private:
    void notify(SceneChange change);
    PackedRow pack(const SceneRow& object);
    void dropTexts(const PackedRow& row);
    void copyRowsOf(const Scene& other);
    void fillRows(char* texts, std::size_t rows,
                  const std::function<void(char* texts, std::span<PackedRow> rows)>& fill);

    std::vector<PackedRow> m_rows;
    TextArena m_texts;
    std::size_t m_unusedBytes = 0; // texts of replaced and removed rows, still in the arena
    RowSelection m_selection;
    std::vector<SceneListener*> m_listeners;
};

} // namespace norvane
