#include "CoverageMask.h"

#include <algorithm>
#include <bit>

namespace norvane {

namespace {

constexpr int kWordBits = 64;

// The bits of one word from bit `from` to bit `to`, both in 0..63.
std::uint64_t bitRange(int from, int to) {
    const std::uint64_t upTo = to == kWordBits - 1 ? ~0ULL : (1ULL << (to + 1)) - 1;
    return upTo & ~((1ULL << from) - 1);
}

// How many of the `count` bits of `wanted` are not set in `word` yet; counts bits only when the
// word is partly set there.
int freshBits(std::uint64_t word, std::uint64_t wanted, int count) {
    const std::uint64_t already = word & wanted;
    if (already == 0)
        return count;
    return already == wanted ? 0 : count - std::popcount(already);
}

// Turns the clear bits of one pixel row, a word at a time from left to right, into runs of
// columns; a run may go on from one word into the next.
struct RunFinder {
    int row;
    std::vector<PixelRun>* runs;
    int open = -1; // first column of the run not yet ended, or -1

    // Takes the clear bits `fresh` of the word at column `base`, all within bits from..to.
    void add(std::uint64_t fresh, int base, int from, int to) {
        for (int at = from; at <= to;) {
            const std::uint64_t rest = fresh >> at;
            if (open < 0) {
                if (rest == 0)
                    return;
                at += std::countr_zero(rest);
                open = base + at;
                continue;
            }
            at += std::countr_one(rest);
            if (at <= to) {
                runs->push_back({row, open, base + at - 1});
                open = -1;
            }
        }
    }
    void finish(int lastColumn) {
        if (open >= 0)
            runs->push_back({row, open, lastColumn});
    }
};

} // namespace

CoverageMask::CoverageMask(int width, int height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)),
      m_wordsPerRow((m_width + kWordBits - 1) / kWordBits),
      m_bits(static_cast<std::size_t>(m_wordsPerRow) * static_cast<std::size_t>(m_height), 0),
      m_uncovered(static_cast<long long>(m_width) * m_height),
      m_runs(static_cast<std::size_t>(m_height)) {}

bool CoverageMask::clip(PixelBox& box) const {
    box.left = std::max(box.left, 0);
    box.top = std::max(box.top, 0);
    box.right = std::min(box.right, m_width - 1);
    box.bottom = std::min(box.bottom, m_height - 1);
    return box.left <= box.right && box.top <= box.bottom;
}

bool CoverageMask::covers(PixelBox box) const {
    if (!clip(box) || m_uncovered == 0 || m_known.within(box))
        return true;
    if (!runsCover(box) && !allBitsSet(box))
        return false;
    m_known.add(box);
    return true;
}

bool CoverageMask::allBitsSet(const PixelBox& box) const {
    const int firstWord = box.left / kWordBits, lastWord = box.right / kWordBits;
    for (int y = box.top; y <= box.bottom; ++y) {
        const std::uint64_t* row = &m_bits[static_cast<std::size_t>(y * m_wordsPerRow)];
        for (int w = firstWord; w <= lastWord; ++w) {
            const int from = w == firstWord ? box.left % kWordBits : 0;
            const int to = w == lastWord ? box.right % kWordBits : kWordBits - 1;
            const std::uint64_t wanted = bitRange(from, to);
            if ((row[w] & wanted) != wanted)
                return false;
        }
    }
    return true;
}

bool CoverageMask::runsCover(const PixelBox& box) const {
    for (int y = box.top; y <= box.bottom; ++y) {
        const Run& run = m_runs[static_cast<std::size_t>(y)];
        if (box.left < run.first || run.last < box.right)
            return false;
    }
    return true;
}

// Joins the box's columns to each row's run when they overlap or touch it, else keeps the
// longer of the two.
void CoverageMask::extendRuns(const PixelBox& box) {
    for (int y = box.top; y <= box.bottom; ++y) {
        Run& run = m_runs[static_cast<std::size_t>(y)];
        if (box.left <= run.last + 1 && run.first <= box.right + 1)
            run = {std::min(run.first, box.left), std::max(run.last, box.right)};
        else if (box.right - box.left > run.last - run.first)
            run = {box.left, box.right};
    }
}

void CoverageMask::cover(PixelBox box) {
    if (!clip(box))
        return;
    coverBits(box, nullptr);
}

void CoverageMask::coverShowing(PixelBox box, std::vector<PixelRun>& showing) {
    if (!clip(box))
        return;
    coverBits(box, &showing);
}

// Sets the bits of the clipped `box`, and appends the runs of bits that were clear to `showing`
// when it is given.
void CoverageMask::coverBits(const PixelBox& box, std::vector<PixelRun>* showing) {
    extendRuns(box);
    const int firstWord = box.left / kWordBits, lastWord = box.right / kWordBits;
    for (int y = box.top; y <= box.bottom; ++y) {
        std::uint64_t* row = &m_bits[static_cast<std::size_t>(y * m_wordsPerRow)];
        RunFinder runs{y, showing};
        for (int w = firstWord; w <= lastWord; ++w) {
            const int from = w == firstWord ? box.left % kWordBits : 0;
            const int to = w == lastWord ? box.right % kWordBits : kWordBits - 1;
            const std::uint64_t wanted = bitRange(from, to);
            m_uncovered -= freshBits(row[w], wanted, to - from + 1);
            if (showing)
                runs.add(~row[w] & wanted, w * kWordBits, from, to);
            row[w] |= wanted;
        }
        runs.finish(box.right);
    }
    m_known.add(box);
}

} // namespace norvane
