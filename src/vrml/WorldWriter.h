#pragma once

#include "ObjectBlocks.h"
#include "scene/Scene.h"

#include <string>
#include <string_view>

namespace norvane {

// What the user chose for an exported world.
struct WorldOptions {
    std::string sky = "Blue Sky"; // "Blue Sky", "Night Sky", "Black" or "White"; others: Blue Sky
    std::string musicFile;        // bare file name of the looping music; "" writes no Sound node
    std::string targetFrame;      // frame every hyperlink opens in; "" for none
    std::string textureFolder;    // where a world that embeds its textures reads them; "" for .
};

// The line every anchor carries for `frame`: "" for "", otherwise
// `parameter ["target=` + the escaped frame + `"]` + CR LF.
std::string makeAnchorTarget(std::string_view frame);

// The whole text of an exported world file: header, sky, optional sound, ground, the objects of
// every row (as ExportVRML writes them) and the footer, CR LF everywhere.
// Throws Error as ExportVRML does.
std::string buildWorld(const Scene& scene, const WorldOptions& options);

// Hands `sink` the text of buildWorld piece by piece as it is made, without holding it whole.
// Throws Error as buildWorld does, after `sink` has had the text before the refused row's block.
void writeWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink);

// Hands `sink` the world in X3D's ClassicVRML encoding (.x3dv): the nodes and bytes of the VRML
// world under an X3D 3.3 header with the Immersive profile. Throws Error as writeWorld does.
void writeX3dClassicWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink);

// A writer of one world format, piece by piece.
using WorldFormatWriter = void (*)(const Scene&, const WorldOptions&, const TextSink&);

// The whole text that `write` hands its sink. Throws what `write` throws.
std::string worldText(const Scene& scene, const WorldOptions& options, WorldFormatWriter write);

// The preview world: Blue Sky, no sound, no target frame. Throws Error as ExportVRML does.
std::string buildPreviewWorld(const Scene& scene);

} // namespace norvane
