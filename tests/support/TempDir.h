#pragma once

#include <atomic>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace norvane::test {

// A fresh empty directory under the system temp folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir() {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }
    // The names of everything directly inside, sorted.
    std::set<std::string> names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path =
        std::filesystem::temp_directory_path() /
        ("norvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(s_counter++));
    static inline std::atomic<int> s_counter{0};
};

} // namespace norvane::test
