#pragma once

#include "render/WorldModel.h"

// Whether `world` shows (each batch's shapes: row, place, highlight) and picks what a model
// built at once from `scene`, its scene, does with the same row highlighted.
bool equalsFreshBuild(const WorldModel& world, norvane::Scene& scene);
