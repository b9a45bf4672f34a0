#include "ProgramData.h"

#include <filesystem>
#include <system_error>

namespace norvane::cli {

namespace {

namespace fs = std::filesystem;

fs::path executableFolder() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path();
}

} // namespace

std::string programDataFolder() {
    std::error_code error;
    const fs::path folder = executableFolder();
    if (fs::exists(folder / "x_ite" / "x_ite.min.js", error))
        return folder.string();
    return (folder / NORVANE_DATA_FROM_BIN).lexically_normal().string();
}

std::string helperProgram(std::string_view command) {
    const fs::path folder = executableFolder() / NORVANE_HELPERS_FROM_BIN;
    return (folder / ("norvane-cli-" + std::string(command))).lexically_normal().string();
}

} // namespace norvane::cli
