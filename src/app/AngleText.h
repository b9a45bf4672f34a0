#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// An orientation as Properties shows it, in degrees counterclockwise on the map ("45", "-90",
// "0.5"); "" for a text that is no number.
QString degreesText(std::string_view orientation);

// The orientation text stored for `degrees` as typed ("45" gives "0.7854", "90" the code "1.57");
// nothing when it is no number (read as coordinates are).
std::optional<std::string> orientationOfDegreesText(const QString& degrees);
