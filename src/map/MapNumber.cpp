#include "MapNumber.h"

#include "scene/NumberText.h"

#include <array>
#include <cstdint>

namespace norvane {

namespace {

// Whole powers of ten up to 10^15, each exactly a double.
constexpr std::array<double, 16> kPowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr int kMostDigits = 15; // below 2^53, so the digits make an exact double

// The forms the editor writes, spaces around, "-", digits and one point between digits, read
// without the general parser: the digits and the power of ten are exact doubles, so one
// division rounds as the parser does. Nothing for any other text, which the parser then reads.
std::optional<double> plainDecimal(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ') + 1;
    if (at == std::string_view::npos)
        return std::nullopt;
    const bool negative = text[at] == '-';
    at += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0, afterPoint = -1;
    for (; at < end; ++at) {
        const char c = text[at];
        if (c == '.' && afterPoint < 0 && count > 0)
            afterPoint = 0;
        else if (c >= '0' && c <= '9' && count < kMostDigits) {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
            afterPoint += afterPoint >= 0 ? 1 : 0;
        } else
            return std::nullopt;
    }
    if (count == 0 || afterPoint == 0)
        return std::nullopt;
    const double value =
        static_cast<double>(digits) / kPowersOfTen[afterPoint < 0 ? 0 : afterPoint];
    return negative ? -value : value;
}

} // namespace

std::optional<float> mapNumber(std::string_view text) {
    std::optional<double> value = plainDecimal(text);
    if (!value)
        value = parseNumber(text);
    if (!value || !inCoordinateRange(*value))
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace norvane
