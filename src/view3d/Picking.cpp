#include "Picking.h"

#include "NearestHit.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace norvane {

namespace {

// Roughly how wide a character of a text is, in font heights.
constexpr double kCharacterWidth = 0.6;

struct Box {
    Vec3 low;
    Vec3 high;
};

const std::vector<Box>& meshBoxes() {
    static const std::vector<Box> boxes = [] {
        std::vector<Box> all;
        for (const Mesh& mesh : meshKit())
            all.push_back({mesh.lowest(), mesh.highest()});
        return all;
    }();
    return boxes;
}

// Where the ray enters the box, as a distance along it, or nothing when it misses or the box
// lies behind it (the slab test).
std::optional<double> entry(const Box& box, Vec3 origin, Vec3 direction) {
    double near = 0.0, far = std::numeric_limits<double>::infinity();
    const double o[3] = {origin.x, origin.y, origin.z},
                 d[3] = {direction.x, direction.y, direction.z};
    const double lo[3] = {box.low.x, box.low.y, box.low.z},
                 hi[3] = {box.high.x, box.high.y, box.high.z};
    for (int axis = 0; axis < 3; ++axis) {
        if (d[axis] == 0.0) {
            if (o[axis] < lo[axis] || o[axis] > hi[axis])
                return std::nullopt;
            continue;
        }
        double t1 = (lo[axis] - o[axis]) / d[axis], t2 = (hi[axis] - o[axis]) / d[axis];
        if (t1 > t2)
            std::swap(t1, t2);
        near = std::max(near, t1);
        far = std::min(far, t2);
        if (near > far)
            return std::nullopt;
    }
    return near;
}

// The distance to a box placed by `place`; affine maps keep distances along the ray in step.
std::optional<double> entryPlaced(const Box& box, const Affine& place, const Ray& ray) {
    const Affine local = place.inverse();
    return entry(box, local.point(ray.origin), local.direction(ray.direction));
}

Box textBox(const TextInstance& text) {
    const double half = kCharacterWidth * text.fontSize * double(text.text.size()) / 2;
    return {{-half, 0.0, -0.05 * text.fontSize}, {half, text.fontSize, 0.05 * text.fontSize}};
}

} // namespace

std::optional<double> hitDistance(int mesh, const Affine& place, const Ray& ray) {
    return entryPlaced(meshBoxes()[static_cast<std::size_t>(mesh)], place, ray);
}

std::optional<double> hitDistance(const TextInstance& text, const Ray& ray) {
    return entryPlaced(textBox(text), text.place, ray);
}

std::optional<int> pickRow(const WorldShapes& shapes, const Ray& ray) {
    NearestHit hit(ray);
    for (const ShapeInstance& shape : shapes.shapes)
        hit.offerShape(shape.mesh, shape.place, shape.row);
    for (const TextInstance& text : shapes.texts)
        hit.offerText(text);
    return hit.row();
}

} // namespace norvane
