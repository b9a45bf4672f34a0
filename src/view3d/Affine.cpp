#include "Affine.h"

#include <cmath>

namespace norvane {

Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalized(Vec3 v) {
    const double length = std::sqrt(dot(v, v));
    return length > 0.0 ? v * (1.0 / length) : v;
}

Affine Affine::translation(Vec3 t) {
    Affine a;
    a.offset = t;
    return a;
}

Affine Affine::scaling(Vec3 s) {
    Affine a;
    a.linear = {s.x, 0, 0, 0, s.y, 0, 0, 0, s.z};
    return a;
}

Affine Affine::rotation(Vec3 axis, double angle) {
    const Vec3 u = normalized(axis);
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    Affine a;
    a.linear = {t * u.x * u.x + c,       t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y,
                t * u.x * u.y + s * u.z, t * u.y * u.y + c,       t * u.y * u.z - s * u.x,
                t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c};
    return a;
}

Vec3 Affine::direction(Vec3 d) const {
    const auto& m = linear;
    return {m[0] * d.x + m[1] * d.y + m[2] * d.z, m[3] * d.x + m[4] * d.y + m[5] * d.z,
            m[6] * d.x + m[7] * d.y + m[8] * d.z};
}

Vec3 Affine::point(Vec3 p) const {
    return direction(p) + offset;
}

Affine Affine::inverse() const {
    const auto& m = linear;
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
                       m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (det == 0.0)
        return {};
    const double k = 1.0 / det;
    Affine inv;
    inv.linear = {(m[4] * m[8] - m[5] * m[7]) * k, (m[2] * m[7] - m[1] * m[8]) * k,
                  (m[1] * m[5] - m[2] * m[4]) * k, (m[5] * m[6] - m[3] * m[8]) * k,
                  (m[0] * m[8] - m[2] * m[6]) * k, (m[2] * m[3] - m[0] * m[5]) * k,
                  (m[3] * m[7] - m[4] * m[6]) * k, (m[1] * m[6] - m[0] * m[7]) * k,
                  (m[0] * m[4] - m[1] * m[3]) * k};
    inv.offset = inv.direction(offset) * -1.0;
    return inv;
}

Affine operator*(const Affine& outer, const Affine& inner) {
    Affine product;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 3; ++k)
                sum += outer.linear[r * 3 + k] * inner.linear[k * 3 + c];
            product.linear[r * 3 + c] = sum;
        }
    product.offset = outer.point(inner.offset);
    return product;
}

} // namespace norvane
