#pragma once

#include <array>

namespace norvane {

// 10^0 .. 10^18, all exact in a double.
inline constexpr std::array<double, 19> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                     1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                     1e14, 1e15, 1e16, 1e17, 1e18};

// Writes the text std::to_chars(general, 15 digits) gives for `value` when that text has no
// exponent (1e-4 <= |value| < 1e15), in a few integer steps instead of exact decimal expansion.
// Returns the end of the text, or nullptr (having written nothing to rely on) for zero, values
// that need an exponent, and the rare value whose sixteenth digit lies too close to a tie to
// round here; the caller formats those the slow, exact way.
char* writeFixedDecimal(char* out, double value);

} // namespace norvane
