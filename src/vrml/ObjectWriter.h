#pragma once

#include "scene/Scene.h"

#include <string>
#include <string_view>

namespace norvane {

// The object text of every row in order: what the editor keeps in its `Code` buffer and places
// between the world header and footer ("" for an empty scene). `anchorTarget` is "" or the
// complete line from makeAnchorTarget, written after the url line of every anchor.
// Throws Error naming the 1-based row, its line in the scene file and the column when a
// coordinate (or a point kind's orientation code) is not a number, is longer than
// kLongestNumberText or lies beyond the range of a float; nothing is returned then.
std::string ExportVRML(const Scene& scene, std::string_view anchorTarget);

} // namespace norvane
