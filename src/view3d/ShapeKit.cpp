#include "ShapeKit.h"

#include "NumberList.h"
#include "vrml/WorldLooks.h"

#include <array>

namespace norvane {

namespace {

struct Kit {
    std::vector<Mesh> meshes;
    std::array<ModelShapes, kModelCount> models;
};

int textureNumber(std::string_view file) {
    for (std::size_t i = 0; i < kTextureFiles.size(); ++i)
        if (kTextureFiles[i] == file)
            return static_cast<int>(i) + 1;
    return 0;
}

// A VRML Transform's fields as one transform: translation, then rotation, then scale.
Affine partPlace(const ModelPart& part) {
    const std::vector<double> turn = numberList(part.rotation);
    Affine place = Affine::translation(vec3Of(part.translation));
    if (turn.size() == 4)
        place = place * Affine::rotation({turn[0], turn[1], turn[2]}, turn[3]);
    return place * Affine::scaling(vec3Of(part.scale, {1, 1, 1}));
}

// The unit mesh of a primitive and the scale that gives it the primitive's size.
std::pair<int, Vec3> primitiveMesh(const Geometry& g) {
    const double r = numberOf(g.radius), h = numberOf(g.height);
    constexpr std::array<int, 3> cones{kConeMesh, kConeSideMesh, kConeBottomMesh};
    switch (g.primitive) {
    case Primitive::Box:
        return {kBoxMesh, vec3Of(g.size)};
    case Primitive::Cylinder:
        return {kCylinderMesh, {r, h, r}};
    case Primitive::Cone:
        return {cones[static_cast<std::size_t>(g.surfaces)], {r, h, r}};
    case Primitive::Sphere:
        return {kSphereMesh, {r, r, r}};
    default:
        return {kBoxMesh, {}};
    }
}

void addPart(Kit& kit, ModelShapes& model, const ModelPart& part, const Affine& enclosing) {
    const Affine place = enclosing * partPlace(part);
    const Geometry& g = part.geometry;
    const Paint paint = paintOf(part.look);
    if (g.primitive == Primitive::Text) {
        model.texts.push_back({g.text, numberOf(g.fontSize, 1.0), place, paint});
    } else if (g.primitive == Primitive::FaceSet || g.primitive == Primitive::Extrusion) {
        kit.meshes.push_back(g.primitive == Primitive::FaceSet
                                 ? faceSetMesh(numberList(g.points), numberList(g.faces))
                                 : extrusionMesh(numberList(g.crossSection), numberList(g.scales),
                                                 numberList(g.spine)));
        model.shapes.push_back({static_cast<int>(kit.meshes.size() - 1), place, paint});
    } else {
        const auto [mesh, size] = primitiveMesh(g);
        model.shapes.push_back({mesh, place * Affine::scaling(size), paint});
    }
}

Kit buildKit() {
    Kit kit;
    kit.meshes = {unitBox(),
                  unitCylinder(),
                  unitCone(true, true),
                  unitCone(true, false),
                  unitCone(false, true),
                  unitSphere()};
    for (std::size_t entry = 0; entry < kModelCount; ++entry) {
        const Model& model = modelData(entry);
        const Affine enclosing = Affine::scaling(vec3Of(model.enclosingScale, {1, 1, 1}));
        for (const ModelPart& part : model.parts)
            addPart(kit, kit.models[entry], part, enclosing);
    }
    return kit;
}

const Kit& kit() {
    static const Kit built = buildKit();
    return built;
}

} // namespace

Paint paintOf(const Look& look) {
    Paint paint;
    if (!look.colour.empty()) {
        const Vec3 c = vec3Of(look.colour);
        paint.colour[0] = float(c.x), paint.colour[1] = float(c.y), paint.colour[2] = float(c.z);
        paint.lit = true;
    }
    paint.texture = textureNumber(look.texture);
    paint.texRotation = float(numberOf(look.texTransform.rotation));
    const Vec3 scale = vec3Of(look.texTransform.scale, {1, 1, 1});
    paint.texScale[0] = float(scale.x), paint.texScale[1] = float(scale.y);
    return paint;
}

const std::vector<Mesh>& meshKit() {
    return kit().meshes;
}

const ModelShapes& modelShapes(std::size_t entry) {
    modelData(entry); // throws for an entry outside the library
    return kit().models[entry];
}

} // namespace norvane
