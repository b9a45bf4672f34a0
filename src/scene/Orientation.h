#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// An orientation is a turn about the vertical axis in radians, kept as text. A positive turn is
// counterclockwise on the map seen from above, as the world turns about its Y axis: from facing
// forward (towards the map's bottom edge) a quarter turn faces right (east).

// The four orientation codes, kept and written as these exact texts. They stand for the quarter
// turns 0, 180, 90 and -90 degrees, although the world turns by their values (3.14, not pi).
inline constexpr std::string_view kFaceBackward = "3.14";
inline constexpr std::string_view kFaceForward = "0";
inline constexpr std::string_view kFaceRight = "1.57";
inline constexpr std::string_view kFaceLeft = "-1.57";

inline constexpr std::array<std::string_view, 4> kOrientationCodes{kFaceBackward, kFaceForward,
                                                                   kFaceRight, kFaceLeft};

// True when the code lies along the map's Y axis ("3.14", "0").
inline bool facesAlongY(std::string_view code) {
    return code == kFaceBackward || code == kFaceForward;
}
// True when the code lies across it ("1.57", "-1.57").
inline bool facesAlongX(std::string_view code) {
    return code == kFaceRight || code == kFaceLeft;
}

// The angle of an orientation text in radians, read as coordinates are (NumberText.h: spaces
// around it skipped, at most 32 characters, within the range of a float); nothing otherwise.
std::optional<double> orientationRadians(std::string_view text);

// The code an orientation text stands for: a code itself, a number equal to a code's value
// ("1.570", " 0") or one within 0.00005 of a quarter turn, whole turns aside ("1.5708",
// "-3.1416", "6.2832"); nothing for any other angle or a text that is no number.
std::optional<std::string_view> quarterCode(std::string_view text);
// The code an angle in radians stands for, as quarterCode says of its text.
std::optional<std::string_view> quarterCodeOf(double radians);

// The text Norvane stores for an angle in radians: the code where the angle stands for one (as
// quarterCode says), else the angle turned into (-pi, pi] with at most 4 decimals and no
// trailing zeros ("0.7854", "-2.3562", "0.1"). A non-finite angle gives "0".
std::string orientationText(double radians);

// The same for an angle in degrees: 90 gives "1.57", 45 "0.7854", 270 "-1.57".
std::string orientationTextOfDegrees(double degrees);

// The angle of an orientation text in degrees within (-180, 180]: exactly 0, 180, 90 or -90 for
// the codes, else the fewest decimals (none to two) whose text is this one ("0.7854" is 45,
// "0.0175" is 1), else the angle itself. Nothing when the text is no number.
std::optional<double> orientationDegrees(std::string_view text);

// The text for `text` turned by `degrees` (positive counterclockwise on the map): four turns of
// 90 from "0" give "1.57", "3.14", "-1.57", "0"; a text that is no number turns from "0".
std::string turnedOrientation(std::string_view text, double degrees);

// The next quarter code counterclockwise on the map: "0", "1.57", "3.14", "-1.57", "0", ...;
// any other angle goes to the first code past it ("0.7854" to "1.57"), a text that is no
// number to "1.57".
std::string nextQuarterTurn(std::string_view text);

// What the editor says when a turn is asked of `kind` and it takes none (isTurnable): areas keep
// to the map's axes. "" for a kind that turns.
std::string turnRefusal(std::string_view kind);

} // namespace norvane
