#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace norvane::bench {

// The scene file of makeMixedScene(objects), written once per run to the temporary folder.
const std::string& mixedSceneFile(std::size_t objects);

// A path in the temporary folder for a file a benchmark writes.
std::string temporaryPath(const std::string& name);

// Bytes the heap holds now (mallinfo2), to report what a structure costs.
std::size_t heapBytes();

// The big-scene benchmarks: 1M objects, in milliseconds, a few iterations each.
void millionObjects(benchmark::internal::Benchmark* benchmark);

} // namespace norvane::bench
