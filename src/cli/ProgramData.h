#pragma once

#include <string>
#include <string_view>

namespace norvane::cli {

// The folder that holds the textures and X_ITE's files: the executable's own folder when they lie
// there (the build tree), otherwise the installed share/norvane beside its bin folder.
std::string programDataFolder();

// The path of the helper program that runs `command` ("render", "snapshot"): norvane-cli-COMMAND
// in libexec/norvane beside the executable's bin folder, where the build tree puts it too.
std::string helperProgram(std::string_view command);

} // namespace norvane::cli
