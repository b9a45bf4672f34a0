#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// Text forms of numbers. All use "." as the decimal point whatever the process locale.

// Point form of a map coordinate: 7 significant digits, no trailing zeros, one leading space
// for values >= 0, no zero before the point below magnitude 1 (" 37.5", " .25", "-3.5").
std::string pointForm(float value);

// Plain form of a map coordinate: the same digits with no leading space and a zero before the
// point ("37.5", "0.25", "-3.5").
std::string plainForm(float value);

// A computed value as written into a world: 15 significant digits, no trailing zeros,
// a zero before the point ("-29.75", "0.5", "12"). Negative zero is written "0".
std::string decimalText(double value);

// Reads a number text as the editor stores it: leading and trailing spaces are skipped,
// "." is the decimal point and no zero is needed before it. Returns nothing for any other text
// (empty, letters, trailing garbage, infinities, NaN).
std::optional<double> parseNumber(std::string_view text);

// True when `value` lies within the range of a float, as every coordinate that placement stores
// does. Sums, differences and small multiples of such values stay finite in double arithmetic.
bool inCoordinateRange(double value);

} // namespace norvane
