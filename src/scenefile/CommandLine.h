#pragma once

#include <string>
#include <string_view>

namespace norvane {

// True when the start-up command line names a scene file: it contains "NSC" in any letter case,
// anywhere (a folder name counts too).
bool namesSceneFile(std::string_view commandLine);

// The path in a command line: surrounding whitespace removed, then one pair of surrounding
// double quotes when both are there. Inner text is kept as is.
std::string unquotePath(std::string_view commandLine);

} // namespace norvane
