#include "FixedDecimal.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace norvane {

namespace {

constexpr int kDigits = 15;
constexpr double kLowest15Digits = 1e14;
constexpr double kPast15Digits = 1e15;

// 10^0 .. 10^18, all exact in a double.
constexpr std::array<double, 19> kPowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                         1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
// 10^-4 .. 10^14, where the texts without an exponent begin.
constexpr std::array<double, 19> kThresholds{1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                             1e3,  1e4,  1e5,  1e6,  1e7, 1e8, 1e9,
                                             1e10, 1e11, 1e12, 1e13, 1e14};

// The decimal exponent of `magnitude` (1e-4 <= magnitude < 1e15). Near a power of ten it may be
// one off; the digit count then shows it.
int exponentOf(double magnitude) {
    int exponent = -4;
    while (exponent < 14 && magnitude >= kThresholds[static_cast<std::size_t>(exponent + 5)])
        ++exponent;
    return exponent;
}

// `magnitude` * 10^scale rounded to the nearest integer, ties to even, exactly. The product is
// off by at most half its last bit (1/16 below 1e15), which decides most roundings; near a half
// the exact error is recovered with a fused multiply-add. Fails (-1) on a tie or near one.
double roundedScaled(double magnitude, int scale) {
    const double factor = kPowers[static_cast<std::size_t>(scale)];
    const double product = magnitude * factor;
    double nearest = std::nearbyint(product);
    if (std::fabs(std::fabs(product - nearest) - 0.5) > 0.0625 || product >= 0x1p53)
        return nearest;
    const double rest = (product - nearest) + std::fma(magnitude, factor, -product);
    if (std::fabs(std::fabs(rest) - 0.5) < 1e-6)
        return -1;
    if (rest > 0.5)
        nearest += 1;
    else if (rest < -0.5)
        nearest -= 1;
    return nearest;
}

// Writes `digits` (exactly kDigits of them) with the point after the first exponent + 1,
// leading zeros for a negative exponent, and no trailing zeros after the point.
char* writeDigits(char* out, std::uint64_t digits, int exponent) {
    std::array<char, kDigits> text{};
    for (int i = kDigits - 1; i >= 0; --i, digits /= 10)
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + digits % 10);
    int used = kDigits;
    while (used > exponent + 1 && used > 0 && text[static_cast<std::size_t>(used - 1)] == '0')
        --used;
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int i = exponent + 1; i < 0; ++i)
            *out++ = '0';
    }
    for (int i = 0; i < used; ++i) {
        if (i == exponent + 1 && exponent >= 0)
            *out++ = '.';
        *out++ = text[static_cast<std::size_t>(i)];
    }
    return out;
}

} // namespace

char* writeFixedDecimal(char* out, double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < kPast15Digits))
        return nullptr;
    int exponent = exponentOf(magnitude);
    double digits = roundedScaled(magnitude, kDigits - 1 - exponent);
    if (digits == kPast15Digits) { // rounding carried into a new digit: 9.99..96 -> 10
        digits = kLowest15Digits;
        ++exponent;
    }
    if (digits < kLowest15Digits || digits >= kPast15Digits || exponent >= kDigits)
        return nullptr;
    if (value < 0)
        *out++ = '-';
    return writeDigits(out, static_cast<std::uint64_t>(digits), exponent);
}

} // namespace norvane
