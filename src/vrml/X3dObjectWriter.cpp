#include "X3dObjectWriter.h"

#include "WorldLooks.h"
#include "X3dModelBodies.h"
#include "XmlMarkup.h"
#include "scene/NumberText.h"

namespace norvane {

X3dObjectWriter::X3dObjectWriter(std::string& out, std::string_view targetFrame) : m_out(out) {
    if (targetFrame.empty())
        return;
    m_parameter = " parameter='";
    appendXmlMfString(m_parameter, "target=" + std::string(targetFrame));
    m_parameter += '\'';
}

void X3dObjectWriter::writeRows(const SceneRows& rows, std::size_t first, std::size_t last) {
    for (std::size_t row = first; row < last; ++row)
        writeRow(rows[row], row);
}

void X3dObjectWriter::writeRow(const SceneRow& object, std::size_t row) {
    if (const AreaLook* look = findAreaLook(object.kind))
        writeAreaObject(object, *look, row);
    else
        writePointObject(object, row);
}

void X3dObjectWriter::number(double value) {
    char text[kLongestDecimalText];
    m_out.append(text, writeDecimalText(text, value));
}

void X3dObjectWriter::openAnchor(std::string_view url) {
    m_out += "<Anchor url='";
    appendXmlMfString(m_out, url);
    m_out.append("'").append(m_parameter).append(">\r\n");
}

void X3dObjectWriter::writePointObject(const SceneRow& object, std::size_t row) {
    const PointFields fields = pointFields(object);
    const PointPlace place = readPointPlace(object, row);
    if (!fields.anchor.empty())
        openAnchor(fields.anchor);
    m_out += "<Transform translation='";
    number(place.x - 50);
    m_out += kPointLift;
    number(place.y - 50);
    m_out += "' rotation='0 1 0 ";
    appendXmlAttributeText(m_out, fields.orientation);
    m_out += "'>\r\n";
    const KindInfo* kind = findKind(object.kind);
    if (kind && kind->libraryEntry >= 0)
        writeModel(*kind);
    else if (const TextLook* look = findTextLook(object.kind))
        writeText(*look, fields.text);
    m_out += "</Transform>\r\n";
    if (!fields.anchor.empty())
        m_out += "</Anchor>\r\n";
}

void X3dObjectWriter::writeModel(const KindInfo& kind) {
    const auto entry = static_cast<std::size_t>(kind.libraryEntry);
    if (m_defined[entry]) {
        m_out.append("<Group USE='").append(kind.modelName).append("'/>\r\n");
        return;
    }
    m_defined[entry] = true;
    m_out.append("<Group DEF='").append(kind.modelName).append("'>\r\n");
    m_out.append(x3dModelBody(entry)).append("</Group>\r\n");
}

void X3dObjectWriter::writeText(const TextLook& look, std::string_view text) {
    m_out.append("<Transform translation='").append(look.lift).append("'>\r\n<Shape>\r\n");
    m_out += "<Text string='";
    appendXmlMfString(m_out, text);
    m_out.append("'><FontStyle size='").append(look.size);
    m_out += "' justify='\"MIDDLE\"'/></Text>\r\n</Shape>\r\n</Transform>\r\n";
}

void X3dObjectWriter::writeAreaObject(const SceneRow& object, const AreaLook& look,
                                      std::size_t row) {
    const AreaRect rect = readAreaRect(object, row);
    const std::string_view url = areaFields(object).anchor;
    if (!url.empty())
        openAnchor(url);
    if (look.ellipsoid)
        writeEllipsoid(rect, look.slab);
    else
        writeSlab(rect, look.slab);
    if (look.withCeiling)
        writeSlab(rect, kCeilingLook);
    if (!url.empty())
        m_out += "</Anchor>\r\n";
}

// Opens a Transform over the rectangle's centre at the look's height; its attribute stays open.
void X3dObjectWriter::openCentredTransform(const AreaRect& rect, const SlabLook& look) {
    m_out += "<Transform translation='";
    number(centreX(rect));
    m_out += look.height;
    number(centreZ(rect));
}

void X3dObjectWriter::writeSlab(const AreaRect& rect, const SlabLook& look) {
    openCentredTransform(rect, look);
    m_out += "'>\r\n<Shape>\r\n<Box size='";
    number(width(rect));
    m_out += look.thickness;
    number(depth(rect));
    m_out.append("'/>\r\n<Appearance>\r\n<Material diffuseColor='").append(look.colour);
    m_out += "'/>\r\n</Appearance>\r\n</Shape>\r\n</Transform>\r\n";
}

void X3dObjectWriter::writeEllipsoid(const AreaRect& rect, const SlabLook& look) {
    const EllipsoidLook& e = kEllipsoidLook;
    openCentredTransform(rect, look);
    m_out += "' scale='";
    number(width(rect));
    m_out.append(" ").append(e.heightScale).append(" ");
    number(depth(rect));
    m_out.append("'>\r\n<Shape>\r\n<Sphere radius='").append(e.radius);
    m_out.append("'/>\r\n<Appearance>\r\n<Material diffuseColor='").append(look.colour);
    m_out.append("'/>\r\n<ImageTexture url='\"").append(e.texture);
    m_out += "\"'/>\r\n<TextureTransform scale='";
    number(width(rect) * e.repeatsPerMetre);
    m_out += ' ';
    number(depth(rect) * e.repeatsPerMetre);
    m_out.append("' rotation='").append(e.texRotation);
    m_out += "'/>\r\n</Appearance>\r\n</Shape>\r\n</Transform>\r\n";
}

} // namespace norvane
