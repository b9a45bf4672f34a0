#pragma once

#include <string>
#include <string_view>

namespace norvane {

struct SceneObject;

// The six texts of one row as views: what a scene hands out without copying. The views stay
// valid until the scene they come from is changed, assigned or destroyed; a SceneObject made
// from them owns its texts. Member names and meanings are those of SceneObject.
struct SceneRow {
    std::string_view kind;
    std::string_view list3;
    std::string_view list4;
    std::string_view list5;
    std::string_view list6;
    std::string_view list7;

    // A copy that owns its texts, for keeping a row beyond the next change (undo, clipboard).
    operator SceneObject() const;
};

// One placed object: six texts, named after the list columns that hold them in the editor.
// Point kinds: list3 X, list4 Y (point form), list5 orientation code, list6 anchor URL,
// list7 display text ("" except the two text kinds).
// Area kinds: list3..list6 corners X1, Y1, X2, Y2 (plain form), list7 anchor URL.
struct SceneObject {
    std::string kind;
    std::string list3;
    std::string list4;
    std::string list5;
    std::string list6;
    std::string list7;

    // Views of the texts, valid while this object lives unchanged.
    operator SceneRow() const { return {kind, list3, list4, list5, list6, list7}; }
};

inline SceneRow::operator SceneObject() const {
    return {std::string(kind),  std::string(list3), std::string(list4),
            std::string(list5), std::string(list6), std::string(list7)};
}

// Rows and objects compare by their six texts, whichever form each side has.
inline bool operator==(const SceneRow& a, const SceneRow& b) {
    return a.kind == b.kind && a.list3 == b.list3 && a.list4 == b.list4 && a.list5 == b.list5 &&
           a.list6 == b.list6 && a.list7 == b.list7;
}
inline bool operator==(const SceneObject& a, const SceneObject& b) {
    return SceneRow(a) == SceneRow(b);
}
inline bool operator==(const SceneRow& a, const SceneObject& b) {
    return a == SceneRow(b);
}

// Anchor URL of an object, wherever its kind keeps it ("" when none).
std::string_view anchorUrl(const SceneRow& object);

} // namespace norvane
