#pragma once

#include <optional>
#include <string_view>

namespace norvane {

// A stored coordinate text (point or plain form) as a single-precision map number. Returns
// nothing when the text is not a number or lies beyond the range of a float, so a damaged row
// can be skipped instead of drawn or measured.
std::optional<float> mapNumber(std::string_view text);

} // namespace norvane
