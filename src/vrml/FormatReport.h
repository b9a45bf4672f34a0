#pragma once

#include "WorldWriter.h"
#include "scene/Scene.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// What of a world a scene and its options use, as the compatibility report counts it.
struct WorldUse {
    std::size_t hyperlinks = 0; // rows with an anchor URL
    std::size_t texts = 0;      // rows of the two text kinds
    bool targetFrame = false;
    bool music = false;
};

// Counts what `scene` and `options` put into a world. The sky is always used.
WorldUse worldUse(const Scene& scene, const WorldOptions& options);

// The features the report speaks of.
enum class WorldFeature { Hyperlinks, TargetFrame, Texts, Music, Sky };

// One cell of the report's table: how `format` keeps `feature` (as data only, not at all, or only
// in some viewers), in the words the report uses ({} stands for the count where there is one).
// Cells a format keeps plainly in every viewer are not in the table.
struct FeatureKeeping {
    std::string_view format;
    WorldFeature feature;
    std::string_view words;
};

// What a world of `format` (a WorldFormat name) loses of a scene that uses `use`, one line a
// feature the scene uses, in the table's order; none for a format that keeps everything.
std::vector<std::string> compatibilityNotes(std::string_view format, const WorldUse& use);

// The notes as one text for the dialog: "<title>: note · note", or "" when there are none.
std::string compatibilityReport(std::string_view format, std::string_view title,
                                const WorldUse& use);

} // namespace norvane
