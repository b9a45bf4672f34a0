#include "FixedDecimal.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace norvane {

namespace {

constexpr int kDigits = 15;
constexpr double kLowest15Digits = 1e14;
constexpr double kPast15Digits = 1e15;

// 10^-4 .. 10^14, where the texts without an exponent begin.
constexpr std::array<double, 19> kThresholds{1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2,
                                             1e3,  1e4,  1e5,  1e6,  1e7, 1e8, 1e9,
                                             1e10, 1e11, 1e12, 1e13, 1e14};

// "00" "01" ... "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The decimal exponent of `magnitude` (1e-4 <= magnitude < 1e15). Near a power of ten it may be
// one off; the digit count then shows it.
int exponentOf(double magnitude) {
    int exponent = -4;
    while (exponent < 14 && magnitude >= kThresholds[static_cast<std::size_t>(exponent + 5)])
        ++exponent;
    return exponent;
}

// `magnitude` * 10^scale rounded to the nearest integer, exactly. Below 2^50 the product is off
// by at most 1/16, which decides every rounding but those near a half; there the exact error is
// recovered with a fused multiply-add. Fails (-1) on a tie or near one, and for big products.
double roundedScaled(double magnitude, int scale) {
    const double factor = kPowersOfTen[static_cast<std::size_t>(scale)];
    const double product = magnitude * factor;
    if (product >= 0x1p50)
        return -1;
    const auto whole = static_cast<std::uint64_t>(product);
    double rest = product - static_cast<double>(whole); // exact: the product's fraction
    if (std::fabs(rest - 0.5) <= 0.0625) {
        rest += std::fma(magnitude, factor, -product);
        if (std::fabs(rest - 0.5) < 1e-6)
            return -1;
    }
    return static_cast<double>(whole + (rest > 0.5 ? 1 : 0));
}

// Writes `digits` (exactly kDigits of them) with the point after the first exponent + 1,
// leading zeros for a negative exponent, and no trailing zeros after the point.
char* writeDigits(char* out, std::uint64_t digits, int exponent) {
    std::array<char, kDigits> text{};
    for (int i = kDigits - 2; i >= 1; i -= 2, digits /= 100) // two digits a step
        std::memcpy(&text[static_cast<std::size_t>(i)], &kDigitPairs[2 * (digits % 100)], 2);
    text[0] = static_cast<char>('0' + digits);
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
