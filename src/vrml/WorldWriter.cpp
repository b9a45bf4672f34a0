#include "WorldWriter.h"

#include "LineWriter.h"
#include "ObjectNodeWriter.h"
#include "VrmlString.h"

#include <array>

namespace norvane {

namespace {

constexpr std::string_view kHead = "#VRML V2.0 utf8\r\n"
                                   "Transform {\r\n"
                                   "children [\r\n"
                                   "Viewpoint {\r\n"
                                   "position 0 0.5 46\r\n"
                                   "description \"Starting Point \"\r\n"
                                   "}\r\n"
                                   "DirectionalLight {\r\n"
                                   "direction 0 0 -1\r\n"
                                   "}\r\n"
                                   // Lights the ground and the tops of objects, which the
                                   // horizontal light and the headlight leave black.
                                   "DirectionalLight {\r\n"
                                   "direction 0 -1 0\r\n"
                                   "}\r\n";

struct Sky {
    std::string_view name;
    std::string_view background;
};

// The first entry is also the background of any sky name not in the table.
constexpr std::array<Sky, 4> kSkies{{
    {"Blue Sky", "Background {\r\n"
                 "skyColor [ 0.1 0.1 1, 0.3 0.3 1, 0.5 0.5 1, 0.7 0.7 1 ]\r\n"
                 "skyAngle [ 0.5, 1, 1.57 ]\r\n"
                 "}\r\n"},
    {"Night Sky",
     "Background {\r\n"
     "skyColor [ 0.1 0.1 0.2, 0.05 0.05 0.1, 0.025 0.025 0.05, 0.0125 0.0125 0.025 ]\r\n"
     "skyAngle [ 0.5, 1, 1.57 ]\r\n"
     "}\r\n"},
    {"Black", "Background {\r\n"
              "skyColor [ 0 0 0 ]\r\n"
              "}\r\n"},
    {"White", "Background {\r\n"
              "skyColor [ 1 1 1 ]\r\n"
              "}\r\n"},
}};

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

constexpr std::string_view kGround = "Transform {\r\n"
                                     "translation 0 -0.25 0\r\n"
                                     "children [\r\n"
                                     "Shape {\r\n"
                                     "geometry Box { size 120 0.5 120 }\r\n"
                                     "appearance Appearance {\r\n"
                                     "material Material { diffuseColor 0 0.9 0 }\r\n"
                                     "texture ImageTexture { url \"source1.jpg\" }\r\n"
                                     "textureTransform TextureTransform { scale 72 72 }\r\n"
                                     "}\r\n"
                                     "}\r\n"
                                     "]\r\n"
                                     "}\r\n";

constexpr std::string_view kFooter = "\r\n"
                                     "]\r\n"
                                     "}\r\n";

std::string_view skyBackground(std::string_view name) {
    for (const Sky& sky : kSkies)
        if (sky.name == name)
            return sky.background;
    return kSkies.front().background;
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

std::string buildWorld(const Scene& scene, const WorldOptions& options) {
    const std::string anchorTarget = makeAnchorTarget(options.targetFrame);
    std::string text;
    LineWriter out(text);
    out.raw(kHead);
    out.raw(skyBackground(options.sky));
    if (!options.musicFile.empty())
        writeSound(out, options.musicFile);
    out.raw(kGround);
    ObjectNodeWriter(text, anchorTarget).writeScene(scene);
    out.raw(kFooter);
    return text;
}

std::string buildPreviewWorld(const Scene& scene) {
    return buildWorld(scene, WorldOptions{});
}

} // namespace norvane
