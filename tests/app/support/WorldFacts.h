#pragma once

#include "render/WorldModel.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

// One shape of a world model as the tests compare them.
struct ShapeFacts {
    int row;
    float x, y, z;
    bool highlighted;
    friend bool operator==(const ShapeFacts&, const ShapeFacts&) = default;
};

// The shapes of the batches `world` shows, by mesh and texture, in table order; empty batches
// are left out, so that a model that followed changes compares equal to a fresh one.
using WorldFacts = std::map<std::pair<int, QString>, std::vector<ShapeFacts>>;
WorldFacts factsOf(const WorldModel& world);

// Whether `world` shows and picks what a model built at once from `scene` (its scene) does, with
// the same row highlighted.
bool equalsFreshBuild(const WorldModel& world, norvane::Scene& scene);
