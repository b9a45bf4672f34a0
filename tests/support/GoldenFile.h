#pragma once

// Expected outputs kept in data files. Run a test with NORVANE_REGENERATE=1 to rewrite the files
// it compares with from what the code gives now; review the diff before committing it.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace norvane::test {

inline bool regenerating() {
    const char* flag = std::getenv("NORVANE_REGENERATE");
    return flag && std::string_view(flag) == "1";
}

// The bytes of the file at `path`, or "<missing path>" when it cannot be read.
inline std::string fileBytesOr(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return in ? content.str() : "<missing " + path + ">";
}

// The expected text stored at `path`; when regenerating, `actual` is first written there.
inline std::string goldenText(const std::string& path, std::string_view actual) {
    if (regenerating())
        std::ofstream(path, std::ios::binary) << actual;
    return fileBytesOr(path);
}

} // namespace norvane::test
