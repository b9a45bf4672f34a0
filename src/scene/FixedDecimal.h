#pragma once

namespace norvane {

// Writes the text std::to_chars(general, 15 digits) gives for `value` when that text has no
// exponent (1e-4 <= |value| < 1e15), in a few integer steps instead of exact decimal expansion.
// Returns the end of the text, or nullptr (having written nothing to rely on) for zero, values
// that need an exponent, and the rare value whose sixteenth digit lies too close to a tie to
// round here; the caller formats those the slow, exact way.
char* writeFixedDecimal(char* out, double value);

} // namespace norvane
