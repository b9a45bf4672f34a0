#include "Mesh.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace norvane {

namespace {

constexpr int kRoundSegments = 16;
constexpr int kSphereRings = 8;

std::uint32_t addVertex(Mesh& mesh, Vec3 p, Vec3 n, double s, double t) {
    mesh.vertices.push_back({{float(p.x), float(p.y), float(p.z)},
                             {float(n.x), float(n.y), float(n.z)},
                             {float(s), float(t)}});
    return static_cast<std::uint32_t>(mesh.vertices.size() - 1);
}

Vec3 positionOf(const Mesh& mesh, std::uint32_t i) {
    const float* p = mesh.vertices[i].position;
    return {p[0], p[1], p[2]};
}

// Adds triangle a b c, turned so that it is counter-clockwise seen from `outward`.
void addTriangle(Mesh& mesh, std::uint32_t a, std::uint32_t b, std::uint32_t c, Vec3 outward) {
    const Vec3 pa = positionOf(mesh, a);
    const Vec3 facing = cross(positionOf(mesh, b) - pa, positionOf(mesh, c) - pa);
    if (dot(facing, outward) < 0.0)
        std::swap(b, c);
    mesh.indices.insert(mesh.indices.end(), {a, b, c});
}

// The point on a unit circle at fraction `s` of a turn, starting at the back (-Z) and going
// counter-clockwise seen from above.
Vec3 aroundFromBack(double s, double radius, double y) {
    const double angle = 2.0 * std::numbers::pi * s;
    return {-std::sin(angle) * radius, y, -std::cos(angle) * radius};
}

// A flat disc of radius 1 at height y facing up (+1) or down (-1).
void addCap(Mesh& mesh, double y, double facing) {
    const Vec3 normal{0.0, facing, 0.0};
    const std::uint32_t centre = addVertex(mesh, {0.0, y, 0.0}, normal, 0.5, 0.5);
    std::uint32_t previous = 0;
    for (int i = 0; i <= kRoundSegments; ++i) {
        const Vec3 p = aroundFromBack(double(i) / kRoundSegments, 1.0, y);
        const std::uint32_t v = addVertex(mesh, p, normal, 0.5 + p.x / 2, 0.5 - facing * p.z / 2);
        if (i > 0)
            addTriangle(mesh, centre, previous, v, normal);
        previous = v;
    }
}

// The side of a cylinder (top radius 1) or a cone (top radius 0), height 1 around the Y axis.
void addRoundSide(Mesh& mesh, double topRadius) {
    const double slope = 1.0 - topRadius; // how far the side leans in per unit of height
    for (int i = 0; i <= kRoundSegments; ++i) {
        const double s = double(i) / kRoundSegments;
        const Vec3 rim = aroundFromBack(s, 1.0, 0.0);
        const Vec3 normal = normalized({rim.x, slope, rim.z});
        addVertex(mesh, {rim.x, -0.5, rim.z}, normal, s, 0.0);
        const Vec3 top = aroundFromBack(s, topRadius, 0.5);
        addVertex(mesh, top, normal, s, 1.0);
        if (i == 0)
            continue;
        const auto v = static_cast<std::uint32_t>(mesh.vertices.size());
        addTriangle(mesh, v - 4, v - 2, v - 1, normal);
        if (topRadius > 0.0)
            addTriangle(mesh, v - 4, v - 1, v - 3, normal);
    }
}

// Newell's normal of a polygon: robust for any planar outline.
Vec3 polygonNormal(const std::vector<Vec3>& polygon) {
    Vec3 n;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const Vec3 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        n = n +
            Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    return normalized(n);
}

// A polygon as a fan of flat triangles, on both of its sides.
void addTwoSidedPolygon(Mesh& mesh, const std::vector<Vec3>& polygon) {
    if (polygon.size() < 3)
        return;
    for (const double side : {1.0, -1.0}) {
        const Vec3 normal = polygonNormal(polygon) * side;
        const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
        for (const Vec3& p : polygon)
            addVertex(mesh, p, normal, 0.0, 0.0);
        for (std::uint32_t i = 1; i + 1 < polygon.size(); ++i)
            addTriangle(mesh, first, first + i, first + i + 1, normal);
    }
}

Vec3 pointAt(const std::vector<double>& xyz, std::size_t i) {
    return {xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]};
}

} // namespace

namespace {

// The corner of the mesh's bounding box that `pick` (std::min or std::max, per axis) chooses.
template <typename Pick> Vec3 extreme(const Mesh& mesh, Pick pick) {
    if (mesh.vertices.empty())
        return {};
    Vec3 corner = positionOf(mesh, 0);
    for (std::uint32_t i = 1; i < mesh.vertices.size(); ++i) {
        const Vec3 p = positionOf(mesh, i);
        corner = {pick(corner.x, p.x), pick(corner.y, p.y), pick(corner.z, p.z)};
    }
    return corner;
}

} // namespace

Vec3 Mesh::lowest() const {
    return extreme(*this, [](double a, double b) { return std::min(a, b); });
}

Vec3 Mesh::highest() const {
    return extreme(*this, [](double a, double b) { return std::max(a, b); });
}

Mesh unitBox() {
    // Each face: its outward normal and the directions in which s and t grow across it.
    const Vec3 faces[6][3] = {
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    };
    Mesh mesh;
    for (const auto& [normal, s, t] : faces) {
        const Vec3 centre = normal * 0.5;
        const auto first = static_cast<std::uint32_t>(mesh.vertices.size());
        for (const auto& [ds, dt] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
            addVertex(mesh, centre + s * (ds - 0.5) + t * (dt - 0.5), normal, ds, dt);
        addTriangle(mesh, first, first + 1, first + 2, normal);
        addTriangle(mesh, first, first + 2, first + 3, normal);
    }
    return mesh;
}

Mesh unitCylinder() {
    Mesh mesh;
    addRoundSide(mesh, 1.0);
    addCap(mesh, 0.5, 1.0);
    addCap(mesh, -0.5, -1.0);
    return mesh;
}

Mesh unitCone(bool side, bool bottom) {
    Mesh mesh;
    if (side)
        addRoundSide(mesh, 0.0);
    if (bottom)
        addCap(mesh, -0.5, -1.0);
    return mesh;
}

Mesh unitSphere() {
    Mesh mesh;
    for (int ring = 0; ring <= kSphereRings; ++ring) {
        const double t = double(ring) / kSphereRings;
        const double polar = std::numbers::pi * t; // from the bottom pole up
        for (int i = 0; i <= kRoundSegments; ++i) {
            const double s = double(i) / kRoundSegments;
            const Vec3 p = aroundFromBack(s, std::sin(polar), -std::cos(polar));
            addVertex(mesh, p, p, s, t);
            if (ring == 0 || i == 0)
                continue;
            const auto v = static_cast<std::uint32_t>(mesh.vertices.size() - 1);
            const auto below = v - (kRoundSegments + 1);
            const Vec3 outward = positionOf(mesh, v) + positionOf(mesh, below - 1);
            if (ring > 1) // the bottom pole's ring is one point
                addTriangle(mesh, below - 1, below, v, outward);
            if (ring < kSphereRings) // and so is the top pole's
                addTriangle(mesh, below - 1, v, v - 1, outward);
        }
    }
    return mesh;
}

Mesh faceSetMesh(const std::vector<double>& points, const std::vector<double>& faces) {
    Mesh mesh;
    const std::size_t pointCount = points.size() / 3;
    std::vector<Vec3> polygon;
    for (const double index : faces) {
        if (index >= 0 && static_cast<std::size_t>(index) < pointCount) {
            polygon.push_back(pointAt(points, static_cast<std::size_t>(index)));
            continue;
        }
        addTwoSidedPolygon(mesh, polygon);
        polygon.clear();
    }
    addTwoSidedPolygon(mesh, polygon);
    return mesh;
}

namespace {

// The Z axes of the cross-section planes along a spine: the bend's normal where the spine bends,
// taken from the neighbours where it runs straight, and kept on one side along the way.
std::vector<Vec3> spineZAxes(const std::vector<Vec3>& spine) {
    const std::size_t n = spine.size();
    std::vector<Vec3> z(n);
    for (std::size_t i = 1; i + 1 < n; ++i)
        z[i] = normalized(cross(spine[i + 1] - spine[i], spine[i - 1] - spine[i]));
    const auto found = std::find_if(z.begin(), z.end(), [](Vec3 v) { return v != Vec3{}; });
    const Vec3 first = found == z.end() ? Vec3{0, 0, 1} : *found;
    Vec3 previous = first;
    for (Vec3& axis : z) {
        if (axis == Vec3{})
            axis = previous;
        if (dot(axis, previous) < 0.0)
            axis = axis * -1.0;
        previous = axis;
    }
    return z;
}

Vec3 spineYAxis(const std::vector<Vec3>& spine, std::size_t i) {
    const std::size_t before = i == 0 ? 0 : i - 1;
    const std::size_t after = i + 1 == spine.size() ? i : i + 1;
    return normalized(spine[after] - spine[before]);
}

} // namespace

Mesh extrusionMesh(const std::vector<double>& crossSection, const std::vector<double>& scales,
                   const std::vector<double>& spineNumbers) {
    std::vector<Vec3> spine;
    for (std::size_t i = 0; i < spineNumbers.size() / 3; ++i)
        spine.push_back(pointAt(spineNumbers, i));
    const std::size_t corners = crossSection.size() / 2;
    const std::vector<Vec3> z = spineZAxes(spine);
    std::vector<std::vector<Vec3>> rings;
    for (std::size_t i = 0; i < spine.size(); ++i) {
        const Vec3 x = cross(spineYAxis(spine, i), z[i]);
        const double sx = 2 * i + 1 < scales.size() ? scales[2 * i] : 1.0;
        const double sz = 2 * i + 1 < scales.size() ? scales[2 * i + 1] : 1.0;
        std::vector<Vec3> ring;
        for (std::size_t j = 0; j < corners; ++j)
            ring.push_back(spine[i] + x * (crossSection[2 * j] * sx) +
                           z[i] * (crossSection[2 * j + 1] * sz));
        rings.push_back(std::move(ring));
    }
    Mesh mesh;
    for (std::size_t i = 0; i + 1 < rings.size(); ++i)
        for (std::size_t j = 0; j + 1 < corners; ++j)
            addTwoSidedPolygon(
                mesh, {rings[i][j], rings[i][j + 1], rings[i + 1][j + 1], rings[i + 1][j]});
    if (!rings.empty()) {
        addTwoSidedPolygon(mesh, rings.front());
        addTwoSidedPolygon(mesh, rings.back());
    }
    return mesh;
}

} // namespace norvane
