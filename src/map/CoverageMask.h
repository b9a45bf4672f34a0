#pragma once

#include "LargestCovers.h"
#include "PixelBox.h"
#include "PixelRun.h"

#include <cstdint>
#include <vector>

namespace norvane {

// One bit per pixel of a surface: which pixels an opaque fill has already painted.
class CoverageMask {
public:
    CoverageMask(int width, int height);

    // True when every pixel of `box` inside the surface is covered; a box wholly outside the
    // surface counts as covered, since nothing of it can be seen.
    bool covers(PixelBox box) const;
    // Marks the pixels of `box` inside the surface as covered.
    void cover(PixelBox box);
    // Appends to `showing` the runs of pixels of `box` inside the surface that are not covered
    // yet, row by row, then marks the box covered as cover() does.
    void coverShowing(PixelBox box, std::vector<PixelRun>& showing);

private:
    bool clip(PixelBox& box) const;
    bool allBitsSet(const PixelBox& box) const;
    bool runsCover(const PixelBox& box) const;
    void extendRuns(const PixelBox& box);
    void coverBits(const PixelBox& box, std::vector<PixelRun>* showing);

    // Per pixel row, one run of columns known covered, first..last (empty when last < first).
    struct Run {
        int first = 0;
        int last = -1;
    };

    int m_width;
    int m_height;
    int m_wordsPerRow;
    std::vector<std::uint64_t> m_bits;
    long long m_uncovered;
    // Boxes found covered so far: a cache that spares looking at their pixels again.
    mutable LargestCovers m_known;
    // What the rows of big overlapping areas cover, checked a row at a time before the bits.
    std::vector<Run> m_runs;
};

} // namespace norvane
