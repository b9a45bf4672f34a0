#include "AngleText.h"

#include "scene/NumberText.h"
#include "scene/Orientation.h"

namespace {

// Enough digits for every angle the scene file's four decimals of a radian can hold.
constexpr int kDegreeDigits = 8;

} // namespace

QString degreesText(std::string_view orientation) {
    const std::optional<double> degrees = norvane::orientationDegrees(orientation);
    return degrees ? QString::number(*degrees, 'g', kDegreeDigits) : QString();
}

std::optional<std::string> orientationOfDegreesText(const QString& degrees) {
    const norvane::NumberReading reading = norvane::readNumberText(degrees.toStdString());
    if (reading.fault != norvane::NumberFault::None)
        return std::nullopt;
    return norvane::orientationTextOfDegrees(reading.value);
}
