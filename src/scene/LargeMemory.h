#pragma once

#include <cstddef>

namespace norvane {

// Asks the system to back the untouched buffer [data, data + size) with large pages where it
// can. Touching fresh memory one small page at a time is what costs most when a big scene or
// world is read or made; with large pages it costs a few hundredths. Small buffers, systems
// without large pages and refusals change nothing: this is only advice.
void preferLargePages(void* data, std::size_t size);

} // namespace norvane
