// norvane-cli check run as the user runs it, program start included: of an empty file (the start
// alone) and of a scene file of 1,000,000 mixed objects (target: under 0.1 s).

#ifdef NORVANE_CLI

#include "SceneFileOnDisk.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void checkFile(benchmark::State& state, const std::string& path) {
    const std::string command = std::string(NORVANE_CLI) + " check '" + path + "' >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("norvane-cli check failed");
    }
}

void BM_CliCheckEmptyFile(benchmark::State& state) {
    const std::string path = norvane::bench::temporaryPath("empty.NSC");
    std::ofstream{path, std::ios::binary};
    checkFile(state, path);
    std::filesystem::remove(path);
}

void BM_CliCheck1MMixed(benchmark::State& state) {
    checkFile(state, norvane::bench::mixedSceneFile(1'000'000));
}

} // namespace

BENCHMARK(BM_CliCheckEmptyFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliCheck1MMixed)->Apply(norvane::bench::millionObjects)->UseRealTime();

#endif
