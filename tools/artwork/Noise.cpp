#include "Noise.h"

#include <cmath>

namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double Noise::lattice(int x, int y) const {
    const auto ux = static_cast<std::uint32_t>(x);
    const auto uy = static_cast<std::uint32_t>(y);
    return mix(m_seed ^ mix(ux * 0x9E3779B9U ^ mix(uy + 0x85EBCA6BU))) / 4294967296.0;
}

double Noise::smooth(double x, double y, int cell) const {
    const int cells = m_period / cell;
    const double gx = x / cell;
    const double gy = y / cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    const double tx = fade(gx - x0);
    const double ty = fade(gy - y0);
    auto at = [&](int i, int j) { return lattice(wrap(i, cells), wrap(j, cells)); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * tx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

double Noise::fractal(double x, double y, int cell, int octaves) const {
    double sum = 0.0;
    double weight = 0.5;
    double total = 0.0;
    for (int i = 0; i < octaves && cell >= 1; ++i, cell /= 2, weight /= 2.0) {
        sum += smooth(x, y, cell) * weight;
        total += weight;
    }
    return total > 0.0 ? sum / total : 0.0;
}
