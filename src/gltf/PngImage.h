#pragma once

#include <string>
#include <vector>

namespace norvane {

// A PNG of white pixels whose opacity is `alpha` (row by row, `width` per row, 0..255).
std::string whitePngWithAlpha(int width, int height, const std::vector<unsigned char>& alpha);

} // namespace norvane
