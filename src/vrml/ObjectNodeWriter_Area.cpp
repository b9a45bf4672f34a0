#include "ObjectNodeWriter.h"

// The five area kinds: slabs and the shrubbery's ellipsoid, centred on the dragged rectangle.

namespace norvane {

namespace {

double width(const AreaRect& rect) {
    return rect.x2 - rect.x1;
}
double depth(const AreaRect& rect) {
    return rect.y2 - rect.y1;
}
// World X and Z of the rectangle's centre, computed as difference, half, plus corner, minus 50.
double centreX(const AreaRect& rect) {
    return rect.x1 + width(rect) / 2 - 50;
}
double centreZ(const AreaRect& rect) {
    return rect.y1 + depth(rect) / 2 - 50;
}

} // namespace

void ObjectNodeWriter::writeAreaObject(const SceneObject& object, const AreaLook& look,
                                       std::size_t row) {
    const AreaRect rect = readAreaRect(object, row);
    const std::string_view url = object.list7;
    if (!url.empty())
        writeAnchorOpening(url);
    if (look.ellipsoid)
        writeEllipsoid(rect, look.slab);
    else
        writeSlab(rect, look.slab);
    if (look.withCeiling) {
        writeClosePair();
        writeSlab(rect, kCeilingLook);
    }
    writeClosePair();
    if (!url.empty())
        writeClosePair();
}

void ObjectNodeWriter::writeSlab(const AreaRect& rect, const SlabLook& look) {
    m_out.line("Transform {");
    m_out.line("translation ", Number{centreX(rect)}, look.height, Number{centreZ(rect)});
    m_out.line("children [");
    m_out.line("Shape {");
    m_out.line("geometry Box { size ", Number{width(rect)}, look.thickness, Number{depth(rect)},
               "}");
    m_out.line("appearance Appearance {");
    m_out.line("material Material { diffuseColor ", look.colour, " }");
    m_out.line("}");
    m_out.line("}");
}

void ObjectNodeWriter::writeEllipsoid(const AreaRect& rect, const SlabLook& look) {
    m_out.line("Transform {");
    m_out.line("translation ", Number{centreX(rect)}, look.height, Number{centreZ(rect)});
    const EllipsoidLook& e = kEllipsoidLook;
    m_out.line("scale ", Number{width(rect)}, " ", e.heightScale, " ", Number{depth(rect)});
    m_out.line("children [");
    m_out.line("Shape {");
    m_out.line("geometry Sphere { radius ", e.radius, " }");
    m_out.line("appearance Appearance {");
    m_out.line("material Material { diffuseColor ", look.colour, " }");
    m_out.line("texture ImageTexture { url \"", e.texture, "\" }");
    m_out.line("textureTransform TextureTransform {");
    m_out.line("scale ", Number{width(rect) * e.repeatsPerMetre}, " ",
               Number{depth(rect) * e.repeatsPerMetre});
    m_out.line("rotation ", e.texRotation);
    m_out.line("}");
    m_out.line("}");
    m_out.line("}");
}

} // namespace norvane
