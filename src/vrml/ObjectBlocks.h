#pragma once

#include "scene/Scene.h"

#include <functional>
#include <string_view>

namespace norvane {

// Receives a text piece by piece, in order.
using TextSink = std::function<void(std::string_view bytes)>;

// Hands `sink` the nodes of every row of `scene`, byte for byte as one ObjectNodeWriter writes
// them. Blocks of rows are built on two threads at once and handed over in row order, from one
// thread at a time, so a big scene never waits for one core and is never held whole.
// Throws Error as ObjectNodeWriter::writeRows for the first refused row, after `sink` has had the
// blocks before that row's block; throws whatever `sink` throws.
void writeObjectNodes(const Scene& scene, std::string_view anchorTarget, const TextSink& sink);

} // namespace norvane
