#pragma once

#include "Affine.h"

#include <string_view>
#include <vector>

namespace norvane {

// The numbers of a VRML field text ("0 3 0", "-0.1 0, 0 0.1"), commas and spaces separating
// them. A word that is not a number reads as 0, so model data can never make a reader fail.
std::vector<double> numberList(std::string_view text);

// The first three numbers of `text` as a vector; missing ones are `fallback`'s.
Vec3 vec3Of(std::string_view text, Vec3 fallback = {});

// The first number of `text`, or `fallback` when there is none.
double numberOf(std::string_view text, double fallback = 0.0);

} // namespace norvane
