#include "SceneMix.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scene/Orientation.h"

#include <array>
#include <random>
#include <string_view>

namespace norvane::bench {

namespace {

// Kinds and how often each occurs, per 100 objects.
struct Share {
    std::string_view kind;
    int weight;
};
constexpr std::array<Share, 14> kMix{{
    {"Tree", 20},
    {"Car (Red)", 8},
    {"Car (Blue)", 8},
    {"Light Post", 10},
    {"Bench", 6},
    {"House", 8},
    {"Office Building (Rectangular)", 4},
    {"Mailbox", 4},
    {"Street", 10},
    {"Sidewalk", 8},
    {"Wall", 6},
    {"Shrubbery", 3},
    {"Floor/Ceiling", 2},
    {"Text (Big)", 3},
}};

std::string_view pickKind(std::mt19937& random) {
    int roll = static_cast<int>(random() % 100);
    for (const Share& share : kMix) {
        if (roll < share.weight)
            return share.kind;
        roll -= share.weight;
    }
    return "Tree";
}

// The orientation of point object `i`: the four codes in turn, or an angle between them.
std::string orientationOf(std::size_t i, bool anyAngle) {
    if (!anyAngle)
        return std::string(kOrientationCodes[i % 4]);
    return orientationTextOfDegrees(static_cast<double>(i % 180) * 2.0 + 1.0);
}

} // namespace

Scene makeMixedScene(std::size_t objects, bool anyAngle) {
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> coordinate(0.0f, 100.0f);
    Scene scene;
    scene.reserve(objects);
    for (std::size_t i = 0; i < objects; ++i) {
        std::string kind(pickKind(random));
        const float x = coordinate(random), y = coordinate(random);
        std::string url = (i % 10 == 0) ? "page" + std::to_string(i % 97) + ".html" : "";
        if (isAreaKind(kind)) {
            scene.append(
                {kind, plainForm(x), plainForm(y), plainForm(x + 5.5f), plainForm(y + 2.25f), url});
        } else {
            std::string code = orientationOf(i, anyAngle);
            std::string text = isTextKind(kind) ? "Main Street" : "";
            scene.append({kind, pointForm(x), pointForm(y), code, url, text});
        }
    }
    return scene;
}

Scene makeCoveringAreas(std::size_t objects) {
    constexpr std::array<std::string_view, 5> kAreas{"Street", "Sidewalk", "Floor/Ceiling", "Wall",
                                                     "Shrubbery"};
    std::mt19937 random(54321);
    std::uniform_real_distribution<float> margin(0.0f, 10.0f);
    Scene scene;
    scene.reserve(objects);
    for (std::size_t i = 0; i < objects; ++i) {
        const float x1 = margin(random), y1 = margin(random);
        const float x2 = 100.0f - margin(random), y2 = 100.0f - margin(random);
        scene.append({std::string(kAreas[i % kAreas.size()]), plainForm(x1), plainForm(y1),
                      plainForm(x2), plainForm(y2), ""});
    }
    return scene;
}

void growingScenes(benchmark::internal::Benchmark* benchmark) {
    for (const long objects : {10'000L, 100'000L, 500'000L, 1'000'000L})
        benchmark->Arg(objects);
    benchmark->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

void countObjects(benchmark::State& state, std::size_t bytes) {
    state.counters["objects"] = static_cast<double>(state.range(0));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace norvane::bench
