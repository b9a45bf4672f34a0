#pragma once

#include <string>

namespace norvane {

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

    friend bool operator==(const SceneObject&, const SceneObject&) = default;
};

// Anchor URL of an object, wherever its kind keeps it ("" when none).
const std::string& anchorUrl(const SceneObject& object);

} // namespace norvane
