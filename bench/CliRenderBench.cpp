// norvane-cli render --zoom 400 of a scene file of 1,000,000 objects, run as the user runs it:
// a realistic mix (target: under 0.3 s) and areas that each cover most of the map, the worst
// case for the map (target: under 1 s). Scene load and PNG encoding are included.

#ifdef NORVANE_CLI

#include "SceneMix.h"

#include "scenefile/SceneFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kObjects = 1'000'000;

// Writes the scene file once into the temporary folder and renders it on every iteration.
void renderSceneFile(benchmark::State& state, const norvane::Scene& scene, const char* name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path input = folder / (std::string(name) + ".NSC");
    std::ofstream(input, std::ios::binary) << norvane::writeSceneText(scene);
    const std::string command = std::string(NORVANE_CLI) + " render '" + input.string() + "' '" +
                                (folder / (std::string(name) + ".png")).string() +
                                "' --zoom 400 2>/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("norvane-cli render failed");
    }
    std::filesystem::remove(input);
}

void BM_CliRender1MMixedAt400(benchmark::State& state) {
    renderSceneFile(state, norvane::bench::makeMixedScene(kObjects), "norvane-bench-mixed");
}

void BM_CliRender1MCoveringAreasAt400(benchmark::State& state) {
    renderSceneFile(state, norvane::bench::makeCoveringAreas(kObjects), "norvane-bench-areas");
}

} // namespace

BENCHMARK(BM_CliRender1MMixedAt400)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliRender1MCoveringAreasAt400)->Unit(benchmark::kMillisecond)->UseRealTime();

#endif
