#pragma once

// The golden world folders: every folder of tests/data/worlds holds scene.NSC, options.txt (the
// sky, the music file and the target frame, one a line) and expected.wrl, the world they give.

#include "GoldenFile.h"
#include "TextDiff.h"
#include "vrml/WorldWriter.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace norvane::test {

struct GoldenWorld {
    std::string name;
    std::string folder;
    WorldOptions options;
};

// Every golden folder, by name; a folder added there is tested without naming it anywhere.
inline std::vector<GoldenWorld> goldenWorlds() {
    std::vector<GoldenWorld> worlds;
    for (const auto& entry : std::filesystem::directory_iterator(dataDir() + "/worlds")) {
        GoldenWorld world{entry.path().filename().string(), entry.path().string(), {}};
        std::istringstream lines(readFile(world.folder + "/options.txt"));
        std::getline(lines, world.options.sky);
        std::getline(lines, world.options.musicFile);
        std::getline(lines, world.options.targetFrame);
        worlds.push_back(std::move(world));
    }
    std::sort(worlds.begin(), worlds.end(),
              [](const GoldenWorld& a, const GoldenWorld& b) { return a.name < b.name; });
    return worlds;
}

} // namespace norvane::test
