#include "ObjectNodeWriter.h"

// The five area kinds: slabs and the shrubbery's ellipsoid, centred on the dragged rectangle.

namespace norvane {

void ObjectNodeWriter::writeAreaObject(const SceneRow& object, const AreaLook& look,
                                       std::size_t row) {
    const AreaRect rect = readAreaRect(object, row);
    const std::string_view url = areaFields(object).anchor;
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
    m_out.line("Transform {\r\ntranslation ", Number{centreX(rect)}, look.height,
               Number{centreZ(rect)}, "\r\nchildren [\r\nShape {\r\ngeometry Box { size ",
               Number{width(rect)}, look.thickness, Number{depth(rect)},
               "}\r\nappearance Appearance {\r\nmaterial Material { diffuseColor ", look.colour,
               " }\r\n}\r\n}");
}

void ObjectNodeWriter::writeEllipsoid(const AreaRect& rect, const SlabLook& look) {
    const EllipsoidLook& e = kEllipsoidLook;
    m_out.line("Transform {\r\ntranslation ", Number{centreX(rect)}, look.height,
               Number{centreZ(rect)}, "\r\nscale ", Number{width(rect)}, " ", e.heightScale, " ",
               Number{depth(rect)}, "\r\nchildren [\r\nShape {\r\ngeometry Sphere { radius ",
               e.radius, " }\r\nappearance Appearance {\r\nmaterial Material { diffuseColor ",
               look.colour, " }\r\ntexture ImageTexture { url \"", e.texture,
               "\" }\r\ntextureTransform TextureTransform {\r\nscale ",
               Number{width(rect) * e.repeatsPerMetre}, " ",
               Number{depth(rect) * e.repeatsPerMetre}, "\r\nrotation ", e.texRotation,
               "\r\n}\r\n}\r\n}");
}

} // namespace norvane
