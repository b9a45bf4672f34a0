#pragma once

#include <string>
#include <string_view>

namespace norvane {

// True when the start-up command line names a scene file: it contains "NSC" in any letter case,
// anywhere (a folder name counts too).
bool namesSceneFile(std::string_view commandLine);

// The path in a whole command line: one pair of surrounding double quotes removed when both are
// there. Everything else is kept as is, spaces at either end included (" sp.NSC" is a name).
std::string unquotePath(std::string_view commandLine);

} // namespace norvane
