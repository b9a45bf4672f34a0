#pragma once

#include "ObjectBlocks.h"
#include "WorldWriter.h"
#include "scene/Scene.h"

namespace norvane {

// Hands `sink` the world in X3D's XML encoding (.x3d, X3D 3.3, Immersive profile): the nodes and
// values of the VRML world (viewpoint, both lights, the sky, the looping music, the ground and
// every object with its anchor), user texts escaped for XML. Throws Error as writeWorld does,
// after `sink` has had the text before the refused row's block.
void writeX3dXmlWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink);

} // namespace norvane
