#pragma once

#include <string>

namespace norvane::cli {

// The folder that holds the textures and X_ITE's files: the executable's own folder when they lie
// there (the build tree), otherwise the installed share/norvane beside its bin folder.
std::string programDataFolder();

} // namespace norvane::cli
