#pragma once

#include <cstddef>
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

// The most bytes decimalText gives ("-1.23456789012345e-308").
inline constexpr std::size_t kLongestDecimalText = 24;

// Writes decimalText(value) at `out`, which has room for kLongestDecimalText bytes, without
// making a string; returns the end of the text.
char* writeDecimalText(char* out, double value);

// Reads a number text as the editor stores it: leading and trailing spaces are skipped,
// "." is the decimal point and no zero is needed before it. Returns nothing for any other text
// (empty, letters, trailing garbage, infinities, NaN).
std::optional<double> parseNumber(std::string_view text);

// Why a number text cannot be written into a world, if it cannot.
enum class NumberFault { None, NotANumber, TooLong, OutOfRange };

// The longest number text a world takes, not counting the spaces around it (so the point form's
// leading space never counts): 32 characters hold every float the editor writes many times over.
inline constexpr std::size_t kLongestNumberText = 32;

// A coordinate or orientation text read as export reads it: its value, and its fault.
struct NumberReading {
    double value = 0.0;
    NumberFault fault = NumberFault::NotANumber;
};

// Reads `text` as parseNumber does, and tells apart a text that is too long (over
// kLongestNumberText characters), a value beyond the range of a float ("1e309", "-4e38") and a
// text that is no number at all. `value` is set only when there is no fault.
NumberReading readNumberText(std::string_view text);

// The words for a fault after a field's name: "is not a number", "is longer than 32 characters",
// "is out of range"; "" for none.
std::string_view faultWords(NumberFault fault);

// True when `value` lies within the range of a float, as every coordinate that placement stores
// does. Sums, differences and small multiples of such values stay finite in double arithmetic.
bool inCoordinateRange(double value);

} // namespace norvane
