#include "X3dWorldWriter.h"

#include "WorldLooks.h"
#include "X3dObjectWriter.h"
#include "XmlMarkup.h"

#include <algorithm>
#include <string>

namespace norvane {

namespace {

constexpr std::string_view kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<!DOCTYPE X3D PUBLIC \"ISO//Web3D//DTD X3D 3.3//EN\" "
    "\"https://www.web3d.org/specifications/x3d-3.3.dtd\">\r\n"
    "<X3D profile='Immersive' version='3.3' "
    "xmlns:xsd='http://www.w3.org/2001/XMLSchema-instance' "
    "xsd:noNamespaceSchemaLocation='https://www.web3d.org/specifications/x3d-3.3.xsd'>\r\n"
    "<head>\r\n"
    "<meta name='generator' content='Norvane'/>\r\n"
    "</head>\r\n"
    "<Scene>\r\n"
    "<Transform>\r\n";

constexpr std::string_view kFooter = "</Transform>\r\n</Scene>\r\n</X3D>\r\n";

// Rows written into one piece before it goes to the sink.
constexpr std::size_t kRowsPerPiece = 4096;

constexpr auto attribute = xmlAttribute;

void appendFixedNodes(std::string& out) {
    out += "<Viewpoint" + attribute("position", kViewpointPosition) + " description='";
    appendXmlAttributeText(out, kViewpointDescription);
    out += "'/>\r\n";
    for (const std::string_view direction : kLightDirections)
        out += "<DirectionalLight" + attribute("direction", direction) + "/>\r\n";
}

void appendBackground(std::string& out, const Sky& sky) {
    out += "<Background" + attribute("skyColor", sky.colours) + attribute("skyAngle", sky.angles) +
           "/>\r\n";
}

void appendSound(std::string& out, std::string_view musicFile) {
    out += "<Sound location='0 0 0' minBack='1000' minFront='1000' maxBack='1000' "
           "maxFront='1000' spatialize='false'>\r\n<AudioClip url='";
    appendXmlMfString(out, musicFile);
    out += "' stopTime='-1' loop='true'/>\r\n</Sound>\r\n";
}

void appendGround(std::string& out) {
    const GroundLook& g = kGroundLook;
    out += "<Transform" + attribute("translation", g.translation) + ">\r\n<Shape>\r\n<Box" +
           attribute("size", g.size) + "/>\r\n<Appearance>\r\n<Material" +
           attribute("diffuseColor", g.colour) + "/>\r\n<ImageTexture url='";
    appendXmlMfString(out, g.texture);
    out += "'/>\r\n<TextureTransform" + attribute("scale", g.texScale) +
           "/>\r\n</Appearance>\r\n</Shape>\r\n</Transform>\r\n";
}

} // namespace

void writeX3dXmlWorld(const Scene& scene, const WorldOptions& options, const TextSink& sink) {
    std::string piece(kHead);
    appendFixedNodes(piece);
    appendBackground(piece, skyNamed(options.sky));
    if (!options.musicFile.empty())
        appendSound(piece, options.musicFile);
    appendGround(piece);
    X3dObjectWriter objects(piece, options.targetFrame);
    const SceneRows rows = scene.rows();
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerPiece) {
        objects.writeRows(rows, first, std::min(rows.size(), first + kRowsPerPiece));
        sink(piece);
        piece.clear();
    }
    piece += kFooter;
    sink(piece);
}

} // namespace norvane
