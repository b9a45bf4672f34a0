#include "ModelLibrary.h"

#include "ModelParts.h"

#include <array>
#include <string>
#include <utility>

namespace norvane {
namespace {

// Appends lines at a given tab depth, each ended with CR LF.
class BodyWriter {
public:
    void line(int depth, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        m_text.append(static_cast<std::size_t>(depth), '\t');
        m_text.append(a).append(b).append(c).append("\r\n");
    }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

// The fields of a texture transform, as "rotation R scale S" with absent fields left out.
std::string textureFields(const TextureTransform& transform) {
    std::string fields;
    if (!transform.rotation.empty())
        fields.append("rotation ").append(transform.rotation);
    if (!transform.rotation.empty() && !transform.scale.empty())
        fields += ' ';
    if (!transform.scale.empty())
        fields.append("scale ").append(transform.scale);
    return fields;
}

void writeAppearance(BodyWriter& out, int depth, const Look& look) {
    out.line(depth, "appearance Appearance {");
    if (!look.colour.empty())
        out.line(depth + 1, "material Material { diffuseColor ", look.colour, " }");
    if (!look.texture.empty())
        out.line(depth + 1, "texture ImageTexture { url \"", look.texture, "\" }");
    const std::string fields = textureFields(look.texTransform);
    if (look.texTransform.present && fields.empty())
        out.line(depth + 1, "textureTransform TextureTransform {}");
    else if (look.texTransform.present)
        out.line(depth + 1, "textureTransform TextureTransform { ", fields, " }");
    out.line(depth, "}");
}

std::string coneText(const Geometry& g) {
    constexpr std::array<std::string_view, 3> surfaces{"", " side TRUE bottom FALSE",
                                                       " side FALSE bottom TRUE"};
    return "Cone { bottomRadius " + std::string(g.radius) + " height " + std::string(g.height) +
           std::string(surfaces[static_cast<std::size_t>(g.surfaces)]) + " }";
}

// The geometry node of a part on one line, as the world carries it.
std::string geometryText(const Geometry& g) {
    const auto s = [](std::string_view text) { return std::string(text); };
    switch (g.primitive) {
    case Primitive::Box:
        return "Box { size " + s(g.size) + " }";
    case Primitive::Cone:
        return coneText(g);
    case Primitive::Cylinder:
        return "Cylinder { radius " + s(g.radius) + " height " + s(g.height) + " }";
    case Primitive::Sphere:
        return "Sphere { radius " + s(g.radius) + " }";
    case Primitive::FaceSet:
        return "IndexedFaceSet { solid FALSE coord Coordinate { point [ " + s(g.points) +
               " ] } coordIndex [ " + s(g.faces) + " ] }";
    case Primitive::Extrusion:
        return "Extrusion { solid FALSE crossSection [ " + s(g.crossSection) + " ] scale [ " +
               s(g.scales) + " ] spine [ " + s(g.spine) + " ] }";
    case Primitive::Text:
        return "Text { string \"" + s(g.text) +
               "\" fontStyle FontStyle { justify \"MIDDLE\" size " + s(g.fontSize) + " } }";
    }
    return {};
}

void writeShape(BodyWriter& out, int depth, const ModelPart& part) {
    out.line(depth, "Shape {");
    if (part.appearanceFirst)
        writeAppearance(out, depth + 1, part.look);
    out.line(depth + 1, "geometry ", geometryText(part.geometry));
    if (!part.appearanceFirst)
        writeAppearance(out, depth + 1, part.look);
    out.line(depth, "}");
}

void writeField(BodyWriter& out, int depth, std::string_view name, std::string_view value) {
    if (!value.empty())
        out.line(depth, name, " ", value);
}

void writePart(BodyWriter& out, int depth, const ModelPart& part, bool scaleBeforeRotation) {
    out.line(depth, "Transform {");
    writeField(out, depth + 1, "translation", part.translation);
    if (scaleBeforeRotation)
        writeField(out, depth + 1, "scale", part.scale);
    writeField(out, depth + 1, "rotation", part.rotation);
    if (!scaleBeforeRotation)
        writeField(out, depth + 1, "scale", part.scale);
    out.line(depth + 1, "children [");
    writeShape(out, depth + 2, part);
    out.line(depth + 1, "]");
    out.line(depth, "}");
}

std::string buildBody(const Model& model) {
    BodyWriter out;
    const bool enclosed = !model.enclosingScale.empty();
    const int depth = enclosed ? 2 : 0;
    if (enclosed) {
        out.line(0, "Transform {");
        out.line(1, "scale ", model.enclosingScale);
        out.line(1, "children [");
        out.line(2, model.enclosingFirstNode);
    }
    for (const ModelPart& part : model.parts)
        writePart(out, depth, part, enclosed);
    if (enclosed) {
        out.line(1, "]");
        out.line(0, "}");
    }
    return out.take();
}

const std::array<std::string, kModelCount>& bodies() {
    static const std::array<std::string, kModelCount> built = [] {
        std::array<std::string, kModelCount> texts;
        for (std::size_t i = 0; i < kModelCount; ++i)
            texts[i] = buildBody(modelData(i));
        return texts;
    }();
    return built;
}

} // namespace

std::string_view modelBody(std::size_t entry) {
    modelData(entry); // throws for an entry outside the library
    return bodies()[entry];
}

} // namespace norvane
