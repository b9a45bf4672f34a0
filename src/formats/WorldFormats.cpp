#include "WorldFormats.h"

#include "gltf/GlbWriter.h"
#include "platform/FileReading.h"
#include "platform/Gzip.h"
#include "vrml/WorldLooks.h"
#include "vrml/X3dWorldWriter.h"

#include <algorithm>
#include <cctype>

namespace norvane {

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The glTF binary carries the textures: they are read from the options' texture folder.
void writeGlb(const Scene& scene, const WorldOptions& options, const TextSink& sink) {
    WorldTextures textures;
    const std::string folder = options.textureFolder.empty() ? "." : options.textureFolder;
    for (std::size_t i = 0; i < kTextureFiles.size(); ++i)
        textures.jpeg[i] =
            readWholeFile(folder + '/' + std::string(kTextureFiles[i]), FileTypes::RegularOnly);
    writeGlbWorld(scene, options, textures, sink);
}

// The VRML world compressed with gzip, which VRML browsers unpack themselves.
void writeGzippedWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink) {
    GzipWriter gzip(sink);
    writeWorld(scene, options, [&gzip](std::string_view bytes) { gzip.write(bytes); });
    gzip.finish();
}

const std::array<WorldFormat, 5> kFormats{{
    {"wrl", "VRML 2.0", ".wrl", "VRML 2.0 Files (*.wrl)", writeWorld},
    {"x3d", "X3D", ".x3d", "X3D Files (*.x3d)", writeX3dXmlWorld},
    {"x3dv", "X3D ClassicVRML", ".x3dv", "X3D ClassicVRML Files (*.x3dv)", writeX3dClassicWorld},
    {"glb", "glTF", ".glb", "glTF 2.0 Binary Files (*.glb)", writeGlb},
    {"wrz", "VRML 2.0, compressed", ".wrz", "Compressed VRML 2.0 Files (*.wrz)", writeGzippedWorld},
}};

// The format whose `field` is `text` in any case, or nullptr.
const WorldFormat* formatWhose(std::string_view WorldFormat::*field, std::string_view text) {
    const auto found = std::find_if(kFormats.begin(), kFormats.end(), [&](const WorldFormat& f) {
        return sameLetters(f.*field, text);
    });
    return found == kFormats.end() ? nullptr : &*found;
}

} // namespace

const std::array<WorldFormat, 5>& worldFormats() {
    return kFormats;
}

const WorldFormat* worldFormatNamed(std::string_view name) {
    return formatWhose(&WorldFormat::name, name);
}

const WorldFormat* worldFormatOf(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return &kFormats.front();
    return formatWhose(&WorldFormat::extension, name.substr(dot));
}

} // namespace norvane
