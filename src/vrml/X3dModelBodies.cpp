#include "X3dModelBodies.h"

#include "ModelParts.h"
#include "XmlMarkup.h"

#include <array>
#include <string>

namespace norvane {

namespace {

using Text = std::string;

constexpr auto attribute = xmlAttribute;

Text appearance(const Look& look) {
    Text xml = "<Appearance>\r\n";
    if (!look.colour.empty())
        xml += "<Material" + attribute("diffuseColor", look.colour) + "/>\r\n";
    if (!look.texture.empty()) {
        xml += "<ImageTexture url='";
        appendXmlMfString(xml, look.texture);
        xml += "'/>\r\n";
    }
    const TextureTransform& t = look.texTransform;
    if (t.present)
        xml += "<TextureTransform" + attribute("rotation", t.rotation) +
               attribute("scale", t.scale) + "/>\r\n";
    return xml + "</Appearance>\r\n";
}

Text cone(const Geometry& g) {
    constexpr std::array<std::string_view, 3> surfaces{"", " side='true' bottom='false'",
                                                       " side='false' bottom='true'"};
    return "<Cone" + attribute("bottomRadius", g.radius) + attribute("height", g.height) +
           Text(surfaces[static_cast<std::size_t>(g.surfaces)]) + "/>";
}

Text textGeometry(const Geometry& g) {
    Text xml = "<Text string='";
    appendXmlMfString(xml, g.text);
    return xml + "'><FontStyle justify='\"MIDDLE\"'" + attribute("size", g.fontSize) + "/></Text>";
}

// The geometry element of a part on one line.
Text geometry(const Geometry& g) {
    switch (g.primitive) {
    case Primitive::Box:
        return "<Box" + attribute("size", g.size) + "/>";
    case Primitive::Cone:
        return cone(g);
    case Primitive::Cylinder:
        return "<Cylinder" + attribute("radius", g.radius) + attribute("height", g.height) + "/>";
    case Primitive::Sphere:
        return "<Sphere" + attribute("radius", g.radius) + "/>";
    case Primitive::FaceSet:
        return "<IndexedFaceSet solid='false'" + attribute("coordIndex", g.faces) + "><Coordinate" +
               attribute("point", g.points) + "/></IndexedFaceSet>";
    case Primitive::Extrusion:
        return "<Extrusion solid='false'" + attribute("crossSection", g.crossSection) +
               attribute("scale", g.scales) + attribute("spine", g.spine) + "/>";
    case Primitive::Text:
        return textGeometry(g);
    }
    return {};
}

Text part(const ModelPart& p) {
    return "<Transform" + attribute("translation", p.translation) +
           attribute("rotation", p.rotation) + attribute("scale", p.scale) + ">\r\n<Shape>\r\n" +
           appearance(p.look) + geometry(p.geometry) + "\r\n</Shape>\r\n</Transform>\r\n";
}

// The enclosing node of a model that has one draws nothing in the object (the man's Background
// is never bound), so the XML body keeps only its scaling Transform.
Text body(const Model& model) {
    Text xml;
    for (const ModelPart& p : model.parts)
        xml += part(p);
    if (model.enclosingScale.empty())
        return xml;
    return "<Transform" + attribute("scale", model.enclosingScale) + ">\r\n" + xml +
           "</Transform>\r\n";
}

} // namespace

std::string_view x3dModelBody(std::size_t entry) {
    static const std::array<Text, kModelCount> bodies = [] {
        std::array<Text, kModelCount> made;
        for (std::size_t i = 0; i < kModelCount; ++i)
            made[i] = body(modelData(i));
        return made;
    }();
    modelData(entry); // throws for an entry outside the library
    return bodies[entry];
}

} // namespace norvane
