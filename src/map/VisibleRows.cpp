#include "VisibleRows.h"

#include "CoverageMask.h"
#include "PixelSpan.h"
#include "PolygonRuns.h"
#include "scene/LargeMemory.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace norvane {

namespace {

using Op = SymbolCall::Op;

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t kRowsWorthAThread = 20'000;

void fillCalls(SceneRows::iterator first, SceneRows::iterator last, SymbolCall* calls) {
    for (; first != last; ++first) {
        const SceneRow row = *first;
        const MapSymbol* symbol = findSymbol(row.kind);
        const auto figure = symbol ? figureFor(*symbol, row) : std::nullopt;
        *calls++ = figure ? symbolCall(row, *symbol, *figure) : SymbolCall{};
    }
}

// Runs `work(first, last)` over the rows 0..count, the first half on a second thread when there
// are enough rows.
template <class Work> void onTwoThreads(std::size_t count, const Work& work) {
    const std::size_t half = count >= kRowsWorthAThread ? count / 2 : 0;
    std::jthread helper;
    if (half > 0)
        helper = std::jthread([&work, half] { work(0, half); });
    work(half, count);
}

// An array of `count` elements left unset, on large pages where the system offers them: the
// calls and bounds of a million rows are tens of megabytes of fresh memory.
template <class T> std::unique_ptr<T[]> largeArray(std::size_t count) {
    auto array = std::make_unique_for_overwrite<T[]>(count);
    preferLargePages(array.get(), count * sizeof(T));
    return array;
}

int floorPixel(double pixels) {
    return static_cast<int>(std::floor(clampPixels(pixels)));
}

int ceilPixel(double pixels) {
    return static_cast<int>(std::ceil(clampPixels(pixels)));
}

// A PixelBox that big arrays keep without clearing them first.
struct Bounds {
    int left, top, right, bottom;
};

// The pixels a turned box can touch: the box around its corners, widened by `margin`.
Bounds turnedBoxBounds(const SymbolCall& call, int width, int height, int margin) {
    const double sx = width / 100.0, sy = height / 100.0;
    double x1 = kPixelLimit, y1 = kPixelLimit, x2 = -kPixelLimit, y2 = -kPixelLimit;
    for (const MapPoint& corner : turnedCorners(call)) {
        x1 = std::min(x1, corner.x * sx), x2 = std::max(x2, corner.x * sx);
        y1 = std::min(y1, corner.y * sy), y2 = std::max(y2, corner.y * sy);
    }
    return {floorPixel(x1) - margin, floorPixel(y1) - margin, ceilPixel(x2) + margin,
            ceilPixel(y2) + margin};
}

// The pixels a call can touch: exact for rectangles, a pen-widened box for the others.
Bounds boundsOf(const SymbolCall& call, int width, int height) {
    const auto& v = call.values;
    const int margin = std::max(kMapSymbols[call.symbol].penWidth, 1) + 1;
    if (call.op == Op::FillRect) {
        const PixelSpan columns = pixelSpan(v[0], v[2], width),
                        rows = pixelSpan(v[1], v[3], height);
        return {columns.first, rows.first, columns.last, rows.last};
    }
    if (call.op == Op::TurnedBox)
        return turnedBoxBounds(call, width, height, margin);
    if (call.op == Op::Line) {
        const int xa = pixelEdge(v[0], width), xb = pixelEdge(v[2], width);
        const int ya = pixelEdge(v[1], height), yb = pixelEdge(v[3], height);
        return {std::min(xa, xb) - margin, std::min(ya, yb) - margin, std::max(xa, xb) + margin,
                std::max(ya, yb) + margin};
    }
    const double sx = width / 100.0, sy = height / 100.0, r = std::fabs(v[2]);
    return {floorPixel((v[0] - r) * sx) - margin, floorPixel((v[1] - r) * sy) - margin,
            ceilPixel((v[0] + r) * sx) + margin, ceilPixel((v[1] + r) * sy) + margin};
}

VisibleCalls::Runs coverShowing(CoverageMask& mask, const PixelBox& box,
                                std::vector<PixelRun>& runs) {
    const auto first = static_cast<std::uint32_t>(runs.size());
    mask.coverShowing(box, runs);
    return {first, static_cast<std::uint32_t>(runs.size()) - first};
}

// The runs of a turned box that no call drawn after it covers, which it covers from then on.
VisibleCalls::Runs coverTurnedBox(CoverageMask& mask, const SymbolCall& call, int width, int height,
                                  VisibleCalls& visible, std::vector<PixelRun>& pixels) {
    pixels.clear();
    polygonRuns(turnedCorners(call), width, height, pixels);
    const auto first = static_cast<std::uint32_t>(visible.runs.size());
    for (const PixelRun& run : pixels)
        mask.coverShowing({run.first, run.row, run.last, run.row}, visible.runs);
    return {first, static_cast<std::uint32_t>(visible.runs.size()) - first};
}

// Walks the calls of one layer from the last drawn to the first, against the mask of what the
// calls drawn after them cover, hides the hidden ones and notes which pixels of the filled ones
// (rectangles and turned boxes) show.
void dropHidden(VisibleCalls& visible, const Bounds* bounds, MapLayer layer, CoverageMask& mask,
                int width, int height) {
    std::vector<PixelRun> pixels; // of one turned box at a time
    for (std::size_t i = visible.count; i-- > 0;) {
        SymbolCall& call = visible.calls[i];
        if (call.op == Op::None || kMapSymbols[call.symbol].layer != layer)
            continue;
        const PixelBox box{bounds[i].left, bounds[i].top, bounds[i].right, bounds[i].bottom};
        if (mask.covers(box))
            call.op = Op::Hidden;
        else if (call.op == Op::FillRect)
            visible.rectangles.push_back(coverShowing(mask, box, visible.runs));
        else if (call.op == Op::TurnedBox) {
            const VisibleCalls::Runs runs =
                coverTurnedBox(mask, call, width, height, visible, pixels);
            if (runs.count == 0)
                call.op = Op::Hidden;
            else
                visible.rectangles.push_back(runs);
        }
    }
}

} // namespace

std::vector<SymbolCall> rowCalls(const SceneRows& rows) {
    std::vector<SymbolCall> calls(rows.size());
    onTwoThreads(rows.size(), [&rows, &calls](std::size_t first, std::size_t last) {
        fillCalls(rows.begin() + static_cast<std::ptrdiff_t>(first),
                  rows.begin() + static_cast<std::ptrdiff_t>(last), calls.data() + first);
    });
    return calls;
}

VisibleCalls visibleCalls(const Scene& scene, int widthPixels, int heightPixels) {
    const SceneRows& rows = scene.rows();
    VisibleCalls visible{largeArray<SymbolCall>(rows.size()), rows.size(), {}, {}, {}};
    const auto bounds = largeArray<Bounds>(rows.size());
    onTwoThreads(rows.size(), [&](std::size_t first, std::size_t last) { // each fills its half
        SymbolCall* calls = visible.calls.get();
        fillCalls(rows.begin() + static_cast<std::ptrdiff_t>(first),
                  rows.begin() + static_cast<std::ptrdiff_t>(last), calls + first);
        for (std::size_t i = first; i < last; ++i)
            bounds[i] =
                calls[i].op == Op::None ? Bounds{} : boundsOf(calls[i], widthPixels, heightPixels);
    });
    CoverageMask mask(widthPixels, heightPixels);
    dropHidden(visible, bounds.get(), MapLayer::Objects, mask, widthPixels, heightPixels);
    dropHidden(visible, bounds.get(), MapLayer::Ground, mask, widthPixels, heightPixels);
    visible.background =
        coverShowing(mask, {0, 0, widthPixels - 1, heightPixels - 1}, visible.runs);
    return visible;
}

} // namespace norvane
