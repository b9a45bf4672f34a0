#pragma once

#include "GlbParts.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

namespace norvane {

// Hands `sink` the world as one glTF 2.0 binary file: Y up, metres, the VRML world's coordinates;
// one mesh per model shared by every object of its kind, one node per object ("Tree 12"), the
// textures embedded, the lights and the start viewpoint. Throws Error for the rows the VRML world
// refuses, before `sink` has had anything.
void writeGlbWorld(const Scene& scene, const WorldOptions& options, const WorldTextures& textures,
                   const TextSink& sink);

} // namespace norvane
