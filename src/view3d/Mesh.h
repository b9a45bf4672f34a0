#pragma once

#include "Affine.h"

#include <cstdint>
#include <vector>

namespace norvane {

// One corner of a triangle: where it is, which way its surface faces, and its texture point.
struct MeshVertex {
    float position[3];
    float normal[3];
    float uv[2];
};

// Triangles over shared vertices, counter-clockwise seen from outside.
struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;

    // The smallest box around every vertex (zero when there are none).
    Vec3 lowest() const;
    Vec3 highest() const;
};

// VRML's four primitives at unit size, texture coordinates laid out as VRML browsers lay them:
// a box of size 1 centred on the origin, each face showing the whole texture; a cylinder and a
// cone of radius 1 and height 1 centred on the origin (the cone's tip up), the texture wrapped
// once around the side starting at the back; a sphere of radius 1, wrapped the same way.
Mesh unitBox();
Mesh unitCylinder();
Mesh unitCone(bool side, bool bottom);
Mesh unitSphere();

// An IndexedFaceSet: `points` as x y z triples and `faces` as index lists ended by -1, each face
// a fan of flat triangles. Faces are emitted for both sides, as a face set that is not solid is
// seen from both.
Mesh faceSetMesh(const std::vector<double>& points, const std::vector<double>& faces);

// An Extrusion: the cross-section (x z pairs) swept along the spine (x y z triples), scaled at
// each spine point (sx sz pairs), with flat sides and both caps, seen from both sides.
Mesh extrusionMesh(const std::vector<double>& crossSection, const std::vector<double>& scales,
                   const std::vector<double>& spine);

} // namespace norvane
