#include "NumberText.h"

#include "FixedDecimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace norvane {

namespace {

// Shortest general-format text of `value` at `precision` significant digits ("12.5", "1e-05").
template <typename T> std::string generalText(T value, int precision) {
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, precision);
    return std::string(buffer.data(), result.ptr);
}

// Drops the zero in "0.25" / "-0.25" so that the text starts at the point.
std::string withoutLeadingZero(std::string text) {
    const std::size_t digit = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (text.size() > digit + 1 && text[digit] == '0' && text[digit + 1] == '.')
        text.erase(digit, 1);
    return text;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string plainForm(float value) {
    if (value == 0.0f)
        value = 0.0f; // turns -0 into 0
    return generalText(value, 7);
}

std::string pointForm(float value) {
    std::string text = withoutLeadingZero(plainForm(value));
    return text[0] == '-' ? text : " " + text;
}

std::string decimalText(double value) {
    char text[kLongestDecimalText];
    return std::string(text, writeDecimalText(text, value));
}

char* writeDecimalText(char* out, double value) {
    if (char* end = writeFixedDecimal(out, value))
        return end;
    if (value == 0.0)
        value = 0.0;
    return std::to_chars(out, out + kLongestDecimalText, value, std::chars_format::general, 15).ptr;
}

namespace {

constexpr int kMostPlainDigits = 15; // below 2^53, so the digits make an exact double

// The forms the editor writes: "-" or not, digits with at most one point and a digit after it
// ("37.5", "-.25", "12"), 15 digits at most. Read without the general parser: the digits and
// the power of ten are exact doubles, so one division rounds as the parser does. Nothing for
// any other text, which the general parser then reads.
std::optional<double> plainDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    std::uint64_t digits = 0;
    int count = 0, afterPoint = -1;
    for (std::size_t at = negative ? 1 : 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && afterPoint < 0)
            afterPoint = 0;
        else if (c >= '0' && c <= '9' && count < kMostPlainDigits) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
            afterPoint += afterPoint >= 0 ? 1 : 0;
        } else
            return std::nullopt;
    }
    if (count == 0 || afterPoint == 0)
        return std::nullopt;
    const double value =
        static_cast<double>(digits) / kPowersOfTen[std::size_t(afterPoint < 0 ? 0 : afterPoint)];
    return negative ? -value : value;
}

// Parses trimmed text; an overflow that from_chars reports is OutOfRange, not NotANumber.
NumberReading parseTrimmed(std::string_view text) {
    if (const std::optional<double> plain = plainDecimal(text))
        return {*plain, NumberFault::None};
    // from_chars takes no '+' but a '-' of its own, which must not follow a '+' ("+-1").
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-'))
            return {};
    }
    if (text.empty())
        return {};
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return {};
    if (error == std::errc::result_out_of_range)
        return {0.0, NumberFault::OutOfRange};
    if (error != std::errc{} || !std::isfinite(value))
        return {};
    return {value, NumberFault::None};
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    const NumberReading reading = parseTrimmed(trimSpaces(text));
    if (reading.fault != NumberFault::None)
        return std::nullopt;
    return reading.value;
}

NumberReading readNumberText(std::string_view text) {
    text = trimSpaces(text);
    if (text.size() > kLongestNumberText)
        return {0.0, NumberFault::TooLong};
    NumberReading reading = parseTrimmed(text);
    if (reading.fault == NumberFault::None && !inCoordinateRange(reading.value))
        reading = {0.0, NumberFault::OutOfRange};
    return reading;
}

std::string_view faultWords(NumberFault fault) {
    constexpr std::array<std::string_view, 4> kWords{
        "", "is not a number", "is longer than 32 characters", "is out of range"};
    return kWords[static_cast<std::size_t>(fault)];
}

bool inCoordinateRange(double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace norvane
