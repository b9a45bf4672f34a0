#include "WorldShapes.h"

#include "NumberList.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scene/RowFields.h"
#include "vrml/KindLooks.h"
#include "vrml/WorldLooks.h"

#include <algorithm>
#include <optional>

namespace norvane {

double pointLift() {
    static const double lift = numberOf(kPointLift);
    return lift;
}

namespace {

// A number as export reads it, or nothing where export refuses the row, so the view draws what
// the world holds.
std::optional<double> coordinate(std::string_view text) {
    const NumberReading reading = readNumberText(text);
    return reading.fault == NumberFault::None ? std::optional(reading.value) : std::nullopt;
}

// The frame of a point object: moved to its place and turned by its code about the vertical.
std::optional<Affine> pointFrame(const PointFields& fields) {
    const auto x = coordinate(fields.x), y = coordinate(fields.y);
    const auto turn = coordinate(fields.orientation);
    if (!x || !y || !turn)
        return std::nullopt;
    return Affine::translation({*x - 50, pointLift(), *y - 50}) *
           Affine::rotation({0, 1, 0}, *turn);
}

void appendModel(const ModelShapes& model, const Affine& frame, int row, WorldShapes& out) {
    for (const ShapeTemplate& shape : model.shapes)
        out.shapes.push_back({shape.mesh, frame * shape.place, shape.paint, row});
    for (const TextTemplate& text : model.texts)
        out.texts.push_back(
            {std::string(text.text), text.fontSize, frame * text.place, text.paint, row});
}

void appendPointObject(const SceneRow& object, const KindInfo& kind, int row, WorldShapes& out) {
    const PointFields fields = pointFields(object);
    const std::optional<Affine> frame = pointFrame(fields);
    if (!frame)
        return;
    if (kind.libraryEntry >= 0) {
        appendModel(modelShapes(static_cast<std::size_t>(kind.libraryEntry)), *frame, row, out);
    } else if (const TextLook* look = findTextLook(kind.name)) {
        const Affine place = *frame * Affine::translation(vec3Of(look->lift));
        out.texts.push_back(
            {std::string(fields.text), numberOf(look->size, 1.0), place, Paint{}, row});
    }
}

struct Rect {
    double x1, y1, x2, y2;
};

std::optional<Rect> areaRect(const AreaFields& fields) {
    const auto x1 = coordinate(fields.x1), y1 = coordinate(fields.y1);
    const auto x2 = coordinate(fields.x2), y2 = coordinate(fields.y2);
    if (!x1 || !y1 || !x2 || !y2)
        return std::nullopt;
    return Rect{std::min(*x1, *x2), std::min(*y1, *y2), std::max(*x1, *x2), std::max(*y1, *y2)};
}

// A shape of the given mesh and size centred over the rectangle at `height`.
ShapeInstance overRect(const Rect& r, int mesh, double height, Vec3 size, Paint paint, int row) {
    const Vec3 centre{r.x1 + (r.x2 - r.x1) / 2 - 50, height, r.y1 + (r.y2 - r.y1) / 2 - 50};
    return {mesh, Affine::translation(centre) * Affine::scaling(size), paint, row};
}

ShapeInstance slab(const Rect& r, const SlabLook& look, int row) {
    const Paint paint = paintOf({look.colour});
    return overRect(r, kBoxMesh, numberOf(look.height),
                    {r.x2 - r.x1, numberOf(look.thickness), r.y2 - r.y1}, paint, row);
}

ShapeInstance ellipsoid(const Rect& r, const SlabLook& look, int row) {
    const EllipsoidLook& e = kEllipsoidLook;
    const double w = r.x2 - r.x1, d = r.y2 - r.y1, radius = numberOf(e.radius);
    Paint paint = paintOf({look.colour, e.texture, {true, e.texRotation}});
    paint.texScale[0] = float(w * e.repeatsPerMetre);
    paint.texScale[1] = float(d * e.repeatsPerMetre);
    const Vec3 size{w * radius, numberOf(e.heightScale) * radius, d * radius};
    return overRect(r, kSphereMesh, numberOf(look.height), size, paint, row);
}

void appendAreaObject(const SceneRow& object, const AreaLook& look, int row, WorldShapes& out) {
    const std::optional<Rect> rect = areaRect(areaFields(object));
    if (!rect)
        return;
    out.shapes.push_back(look.ellipsoid ? ellipsoid(*rect, look.slab, row)
                                        : slab(*rect, look.slab, row));
    if (look.withCeiling)
        out.shapes.push_back(slab(*rect, kCeilingLook, row));
}

} // namespace

WorldShapes groundShapes() {
    const GroundLook& g = kGroundLook;
    const Look look{g.colour, g.texture, {true, {}, g.texScale}};
    WorldShapes ground;
    ground.shapes.push_back(
        {kBoxMesh, Affine::translation(vec3Of(g.translation)) * Affine::scaling(vec3Of(g.size)),
         paintOf(look), -1});
    return ground;
}

void appendObjectShapes(const SceneRow& object, int row, WorldShapes& out) {
    const KindInfo* kind = findKind(object.kind);
    if (!kind)
        return;
    if (const AreaLook* look = findAreaLook(object.kind))
        appendAreaObject(object, *look, row, out);
    else
        appendPointObject(object, *kind, row, out);
}

WorldShapes sceneShapes(const Scene& scene) {
    constexpr std::size_t kShapesPerObject = 8; // a generous average over the catalogue
    WorldShapes shapes = groundShapes();
    shapes.shapes.reserve(1 + scene.count() * kShapesPerObject);
    const auto rows = scene.rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        appendObjectShapes(rows[row], static_cast<int>(row), shapes);
    return shapes;
}

} // namespace norvane
