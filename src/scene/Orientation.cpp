#include "Orientation.h"

#include "Catalogue.h"
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace norvane {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kFullTurn = 2 * kPi;

// Half the last decimal orientationText writes: an angle this close to a quarter turn is one.
constexpr double kQuarterTolerance = 0.00005;

// Each code with the value the world turns by and the quarter turn it stands for, in degrees.
struct CodeTurn {
    std::string_view code;
    double value;
    double degrees;
};
constexpr std::array<CodeTurn, 4> kCodeTurns{{
    {kFaceBackward, 3.14, 180.0},
    {kFaceForward, 0.0, 0.0},
    {kFaceRight, 1.57, 90.0},
    {kFaceLeft, -1.57, -90.0},
}};

// `radians` turned into [-pi, pi] (the ends are both the code "3.14"); exact for angles already
// there.
double normalised(double radians) {
    return std::remainder(radians, kFullTurn);
}

double turnDistance(double a, double b) {
    return std::fabs(normalised(a - b));
}

const CodeTurn* codeTurn(std::string_view code) {
    for (const CodeTurn& turn : kCodeTurns)
        if (turn.code == code)
            return &turn;
    return nullptr;
}

// Degrees turned into (-180, 180].
double normalisedDegrees(double degrees) {
    const double turned = std::remainder(degrees, 360.0);
    return turned <= -180.0 ? turned + 360.0 : turned;
}

// `value` with at most 4 decimals, trailing zeros and a bare point dropped.
std::string fourDecimals(double value) {
    char text[32];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4).ptr;
    while (end[-1] == '0')
        --end;
    if (end[-1] == '.')
        --end;
    return std::string(text, end);
}

} // namespace

std::optional<std::string_view> quarterCodeOf(double radians) {
    const double angle = normalised(radians);
    for (const CodeTurn& turn : kCodeTurns)
        if (angle == turn.value ||
            turnDistance(angle, turn.degrees * kPi / 180) < kQuarterTolerance)
            return turn.code;
    return std::nullopt;
}

std::optional<double> orientationRadians(std::string_view text) {
    const NumberReading reading = readNumberText(text);
    return reading.fault == NumberFault::None ? std::optional(reading.value) : std::nullopt;
}

std::optional<std::string_view> quarterCode(std::string_view text) {
    if (const CodeTurn* turn = codeTurn(text))
        return turn->code;
    const std::optional<double> radians = orientationRadians(text);
    return radians ? quarterCodeOf(*radians) : std::nullopt;
}

std::string orientationText(double radians) {
    if (!std::isfinite(radians))
        return std::string(kFaceForward);
    if (const auto code = quarterCodeOf(radians))
        return std::string(*code);
    return fourDecimals(normalised(radians)); // -pi itself is "3.14"
}

std::string orientationTextOfDegrees(double degrees) {
    return orientationText(normalisedDegrees(degrees) * kPi / 180);
}

std::optional<double> orientationDegrees(std::string_view text) {
    if (const auto code = quarterCode(text))
        return codeTurn(*code)->degrees;
    const std::optional<double> radians = orientationRadians(text);
    if (!radians)
        return std::nullopt;
    const double degrees = normalisedDegrees(*radians * 180 / kPi);
    const std::string stored = orientationText(*radians);
    for (const double scale : {1.0, 10.0, 100.0}) {
        const double fewer = std::round(degrees * scale) / scale;
        if (orientationTextOfDegrees(fewer) == stored)
            return fewer;
    }
    return degrees;
}

std::string turnedOrientation(std::string_view text, double degrees) {
    return orientationTextOfDegrees(orientationDegrees(text).value_or(0.0) + degrees);
}

std::string nextQuarterTurn(std::string_view text) {
    const double quarters = orientationDegrees(text).value_or(0.0) / 90.0;
    return orientationTextOfDegrees((std::floor(quarters) + 1) * 90.0);
}

std::string turnRefusal(std::string_view kind) {
    if (isTurnable(kind))
        return {};
    return "A " + std::string(kind) +
           " stays aligned with the map: areas change by their corners only.";
}

} // namespace norvane
