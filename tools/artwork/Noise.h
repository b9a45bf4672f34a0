#pragma once

#include <cstdint>

// Deterministic, tileable value noise for the drawn textures: the same numbers on every machine,
// and a picture of `period` pixels repeats without a seam.
class Noise {
public:
    Noise(std::uint32_t seed, int period) : m_seed(seed), m_period(period) {}

    // A pseudo-random value in [0, 1) for the lattice point (x, y), wrapped to the period.
    double lattice(int x, int y) const;
    // Smoothly interpolated noise in [0, 1) with lattice cells of `cell` pixels.
    double smooth(double x, double y, int cell) const;
    // Sum of `octaves` layers of smooth noise, halving the cell and the weight each time;
    // result in [0, 1).
    double fractal(double x, double y, int cell, int octaves) const;

private:
    std::uint32_t m_seed;
    int m_period;
};
