#include "ProgramData.h"

#include <filesystem>
#include <system_error>

namespace norvane::cli {

std::string programDataFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path executableFolder = fs::read_symlink("/proc/self/exe", error).parent_path();
    if (fs::exists(executableFolder / "x_ite" / "x_ite.min.js", error))
        return executableFolder.string();
    return (executableFolder / NORVANE_DATA_FROM_BIN).lexically_normal().string();
}

} // namespace norvane::cli
