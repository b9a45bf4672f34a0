// Time to build a whole world file from scenes of growing size; it should grow linearly.
// End to end, export of a 1M-object scene file (read, build, atomic write) is measured against
// a plain write of as many bytes, as cp would do it, in the same run: "vs_raw_write" is the
// ratio of the two (target: at most 3). Every other world format is measured against the VRML
// export of the same scene in the same run: "vs_wrl" for the time (target: at most 2) and
// "bytes_vs_wrl" for the size.

#include "SceneFileOnDisk.h"
#include "SceneMix.h"
#include "formats/WorldFormats.h"
#include "platform/AtomicFile.h"
#include "scenefile/SceneFile.h"
#include "scenefile/SceneFileInput.h"
#include "vrml/WorldWriter.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

void BM_BuildWorld(benchmark::State& state) {
    const norvane::Scene scene =
        norvane::bench::makeMixedScene(static_cast<std::size_t>(state.range(0)));
    const norvane::WorldOptions options{"Night Sky", "music.wav", "main", ""};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string world = norvane::buildWorld(scene, options);
        bytes = world.size();
        benchmark::DoNotOptimize(world.data());
    }
    norvane::bench::countObjects(state, bytes);
}

// Seconds to write `size` bytes to a new file with plain writes of 128 KiB, without flushing.
double rawWriteSeconds(const std::string& path, std::size_t size) {
    const std::string block(128 * 1024, 'x');
    const Clock::time_point start = Clock::now();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    for (std::size_t left = size; fd >= 0 && left > 0;) {
        const ssize_t written = ::write(fd, block.data(), std::min(left, block.size()));
        if (written <= 0)
            break;
        left -= static_cast<std::size_t>(written);
    }
    ::close(fd);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds to export the scene file at `scenePath` to `worldPath`, counting the world's bytes.
double exportSeconds(const std::string& scenePath, const std::string& worldPath, std::size_t& bytes,
                     norvane::WorldFormatWriter write = norvane::writeWorld) {
    const norvane::WorldOptions options{"Night Sky", "music.wav", "main", NORVANE_TEXTURE_FOLDER};
    const Clock::time_point start = Clock::now();
    const norvane::Scene scene = norvane::readSceneTextInPlace(
        norvane::readSceneFileText(scenePath, norvane::FileTypes::RegularOnly));
    bytes = 0;
    norvane::writeFileAtomically(worldPath, [&](const norvane::ByteSink& sink) {
        write(scene, options, [&](std::string_view piece) {
            bytes += piece.size();
            sink(piece);
        });
    });
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_ExportSceneFile(benchmark::State& state) {
    const std::string& scenePath =
        norvane::bench::mixedSceneFile(static_cast<std::size_t>(state.range(0)));
    const std::string worldPath = norvane::bench::temporaryPath("world.wrl");
    const std::string rawPath = norvane::bench::temporaryPath("raw.wrl");
    double exportTotal = 0, rawTotal = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const double seconds = exportSeconds(scenePath, worldPath, bytes);
        state.SetIterationTime(seconds);
        exportTotal += seconds;
        rawTotal += rawWriteSeconds(rawPath, bytes);
    }
    std::remove(worldPath.c_str());
    std::remove(rawPath.c_str());
    state.counters["raw_write_ms"] = rawTotal * 1e3 / static_cast<double>(state.iterations());
    state.counters["vs_raw_write"] = exportTotal / rawTotal;
    norvane::bench::countObjects(state, bytes);
}

// Arguments: the objects of the mixed scene and the number of the format in worldFormats().
void BM_ExportFormat(benchmark::State& state) {
    const norvane::WorldFormat& format =
        norvane::worldFormats().at(static_cast<std::size_t>(state.range(1)));
    state.SetLabel(std::string(format.name));
    const std::string& scenePath =
        norvane::bench::mixedSceneFile(static_cast<std::size_t>(state.range(0)));
    const std::string worldPath = norvane::bench::temporaryPath("world");
    const std::string vrmlPath = norvane::bench::temporaryPath("world.wrl");
    double formatTotal = 0, vrmlTotal = 0;
    std::size_t bytes = 0, vrmlBytes = 0;
    for (auto _ : state) {
        const double seconds = exportSeconds(scenePath, worldPath, bytes, format.write);
        state.SetIterationTime(seconds);
        formatTotal += seconds;
        vrmlTotal += exportSeconds(scenePath, vrmlPath, vrmlBytes);
    }
    std::remove(worldPath.c_str());
    std::remove(vrmlPath.c_str());
    state.counters["vs_wrl"] = formatTotal / vrmlTotal;
    state.counters["bytes_vs_wrl"] = double(bytes) / double(vrmlBytes);
    norvane::bench::countObjects(state, bytes);
}

} // namespace

BENCHMARK(BM_ExportFormat)
    ->Args({1'000'000, 1})
    ->Args({1'000'000, 2})
    ->Args({1'000'000, 3})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseManualTime();
BENCHMARK(BM_BuildWorld)->Apply(norvane::bench::growingScenes);
BENCHMARK(BM_ExportSceneFile)->Apply(norvane::bench::millionObjects)->UseManualTime();
