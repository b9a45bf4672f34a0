#pragma once

#include <string>
#include <string_view>

namespace norvane {

// The program's version, as the build's project declares it ("1.0").
inline constexpr std::string_view kProgramVersion = NORVANE_VERSION;

// What `--version` prints for both programs: "norvane 1.0".
inline std::string versionLine() {
    return "norvane " + std::string(kProgramVersion);
}

} // namespace norvane
