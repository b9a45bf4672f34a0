#pragma once

#include "scene/Scene.h"

#include <benchmark/benchmark.h>

#include <cstddef>

namespace norvane::bench {

// A scene of `objects` rows in a realistic mix: mostly trees, cars, lamps and street furniture,
// some streets, sidewalks and walls, a few text signs; about one in ten with an anchor.
// The same count always gives the same scene. With `anyAngle` every point object is turned by an
// angle other than the four codes' (the map draws its boxes as turned polygons).
Scene makeMixedScene(std::size_t objects, bool anyAngle = false);

// A scene of `objects` area rows (all five area kinds in turn), each covering most of the map:
// corners within 10 units of the map's corners. Legal, and the worst case for the map.
Scene makeCoveringAreas(std::size_t objects);

// Runs a benchmark on scenes of 10k, 100k, 500k and 1M objects, in milliseconds, and reports
// how its time grows with the count.
void growingScenes(benchmark::internal::Benchmark* benchmark);

// Reports the objects handled per second and the size in MB of the text made or read.
void countObjects(benchmark::State& state, std::size_t bytes);

} // namespace norvane::bench
