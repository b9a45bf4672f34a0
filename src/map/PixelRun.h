#pragma once

namespace norvane {

// Columns first..last, inclusive, of one pixel row.
struct PixelRun {
    int row = 0;
    int first = 0;
    int last = -1;

    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

} // namespace norvane
