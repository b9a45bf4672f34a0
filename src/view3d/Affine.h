#pragma once

#include <array>

namespace norvane {

// A point or direction in world metres (X east, Y up, Z south, as VRML has it).
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    friend bool operator==(const Vec3&, const Vec3&) = default;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
Vec3 normalized(Vec3 v); // the zero vector stays zero

// An affine transform: y = linear * x + offset, with `linear` a row-major 3x3 matrix.
struct Affine {
    std::array<double, 9> linear{1, 0, 0, 0, 1, 0, 0, 0, 1};
    Vec3 offset;

    static Affine translation(Vec3 t);
    static Affine scaling(Vec3 s);
    // A turn of `angle` radians about `axis` (any length but zero), right-handed as in VRML.
    static Affine rotation(Vec3 axis, double angle);

    Vec3 point(Vec3 p) const;
    Vec3 direction(Vec3 d) const;
    // The inverse transform; a singular one (a zero scale) gives the identity.
    Affine inverse() const;
};

// The transform that applies `inner` first, then `outer`.
Affine operator*(const Affine& outer, const Affine& inner);

} // namespace norvane
