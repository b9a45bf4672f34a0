#include "WorldWriter.h"

#include "LineWriter.h"
#include "ObjectBlocks.h"
#include "VrmlString.h"
#include "WorldLooks.h"
#include "scene/LargeMemory.h"

#include <array>

namespace norvane {

namespace {

constexpr std::string_view kSoundEnd = "stopTime -1\r\n"
                                       "loop TRUE\r\n"
                                       "}\r\n"
                                       "location 0 0 0\r\n"
                                       "minBack 1000\r\n"
                                       "minFront 1000\r\n"
                                       "maxBack 1000\r\n"
                                       "maxFront 1000\r\n"
                                       "spatialize FALSE\r\n"
                                       "}\r\n";

constexpr std::string_view kFooter = "\r\n"
                                     "]\r\n"
                                     "}\r\n";

// The first lines of a world in VRML 2.0 and in X3D's ClassicVRML encoding.
constexpr std::string_view kVrmlHeader = "#VRML V2.0 utf8\r\n";
constexpr std::string_view kX3dClassicHeader = "#X3D V3.3 utf8\r\n"
                                               "PROFILE Immersive\r\n"
                                               "META \"generator\" \"Norvane\"\r\n";

void writeHead(LineWriter& out, std::string_view header) {
    out.raw(header);
    out.line("Transform {");
    out.line("children [");
    out.line("Viewpoint {");
    out.line("position ", kViewpointPosition);
    out.line("description \"", kViewpointDescription, "\"");
    out.line("}");
    for (const std::string_view direction : kLightDirections) {
        out.line("DirectionalLight {");
        out.line("direction ", direction);
        out.line("}");
    }
}

void writeBackground(LineWriter& out, const Sky& sky) {
    out.line("Background {");
    out.line("skyColor [ ", sky.colours, " ]");
    if (!sky.angles.empty())
        out.line("skyAngle [ ", sky.angles, " ]");
    out.line("}");
}

void writeGround(LineWriter& out) {
    const GroundLook& g = kGroundLook;
    out.line("Transform {");
    out.line("translation ", g.translation);
    out.line("children [");
    out.line("Shape {");
    out.line("geometry Box { size ", g.size, " }");
    out.line("appearance Appearance {");
    out.line("material Material { diffuseColor ", g.colour, " }");
    out.line("texture ImageTexture { url \"", g.texture, "\" }");
    out.line("textureTransform TextureTransform { scale ", g.texScale, " }");
    out.line("}");
    out.line("}");
    out.line("]");
    out.line("}");
}

void writeSound(LineWriter& out, std::string_view musicFile) {
    out.line("Sound {");
    out.line("source AudioClip {");
    out.line("url ", Quoted{musicFile});
    out.raw(kSoundEnd);
}

} // namespace

std::string makeAnchorTarget(std::string_view frame) {
    if (frame.empty())
        return {};
    std::string line = "parameter [\"target=";
    appendEscapedVrmlString(line, frame);
    line += "\"]\r\n";
    return line;
}

namespace {

void writeWorldWith(std::string_view header, const Scene& scene, const WorldOptions& options,
                    const TextSink& sink) {
    std::string head;
    LineWriter out(head);
    writeHead(out, header);
    writeBackground(out, skyNamed(options.sky));
    if (!options.musicFile.empty())
        writeSound(out, options.musicFile);
    writeGround(out);
    sink(head);
    writeObjectNodes(scene, makeAnchorTarget(options.targetFrame), sink);
    sink(kFooter);
}

} // namespace

void writeWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink) {
    writeWorldWith(kVrmlHeader, scene, options, sink);
}

void writeX3dClassicWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink) {
    writeWorldWith(kX3dClassicHeader, scene, options, sink);
}

std::string buildWorld(const Scene& scene, const WorldOptions& options) {
    return worldText(scene, options, writeWorld);
}

std::string worldText(const Scene& scene, const WorldOptions& options, WorldFormatWriter write) {
    constexpr std::size_t kBytesPerRow = 176; // a little over the mix of a big town
    std::string text;
    text.reserve(4096 + scene.count() * kBytesPerRow);
    preferLargePages(text.data(), text.capacity());
    write(scene, options, [&text](std::string_view bytes) { text += bytes; });
    return text;
}

std::string buildPreviewWorld(const Scene& scene) {
    return buildWorld(scene, WorldOptions{});
}

} // namespace norvane
