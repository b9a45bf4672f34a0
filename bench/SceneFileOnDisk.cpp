#include "SceneFileOnDisk.h"

#include "SceneMix.h"
#include "platform/AtomicFile.h"
#include "scenefile/SceneFile.h"

#include <filesystem>
#include <malloc.h>
#include <map>
#include <unistd.h>

namespace norvane::bench {

std::string temporaryPath(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path();
    return (folder / ("norvane-bench-" + std::to_string(::getpid()) + "-" + name)).string();
}

namespace {

// The scene files written in this run, removed when it ends.
struct WrittenFiles : std::map<std::size_t, std::string> {
    WrittenFiles() = default;
    WrittenFiles(const WrittenFiles&) = delete;
    WrittenFiles& operator=(const WrittenFiles&) = delete;
    ~WrittenFiles() {
        for (const auto& [objects, path] : *this)
            std::filesystem::remove(path);
    }
};

} // namespace

const std::string& mixedSceneFile(std::size_t objects) {
    static WrittenFiles written;
    auto [at, isNew] = written.try_emplace(objects);
    if (isNew) {
        at->second = temporaryPath(std::to_string(objects) + ".NSC");
        writeFileAtomically(at->second, writeSceneText(makeMixedScene(objects)));
    }
    return at->second;
}

std::size_t heapBytes() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

void millionObjects(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);
}

} // namespace norvane::bench
