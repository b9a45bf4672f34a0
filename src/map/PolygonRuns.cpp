#include "PolygonRuns.h"

#include "MapZoom.h"
#include "PixelSpan.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace norvane {

namespace {

// The most corners a polygon of the map has: a turned box's four.
constexpr std::size_t kMostCorners = 4;

struct PixelPoint {
    double x, y;
};

// The nearest pixel edge to `pixels`, kept within the range that every surface takes.
int nearestEdge(double pixels) {
    return static_cast<int>(roundHalfEven(clampPixels(pixels)));
}

struct Extent {
    double left = kPixelLimit;
    double right = -kPixelLimit;

    void add(double x) {
        left = std::min(left, x);
        right = std::max(right, x);
    }
};

// Widens `extent` by the points of the polygon on the line at height `y`, which lies within its
// top and bottom.
void addLine(std::span<const PixelPoint> points, double y, Extent& extent) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PixelPoint a = points[i], b = points[(i + 1) % points.size()];
        if (y < std::min(a.y, b.y) || std::max(a.y, b.y) < y)
            continue;
        if (a.y == b.y) { // the whole edge lies on the line
            extent.add(a.x);
            extent.add(b.x);
        } else {
            extent.add(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
    }
}

// The leftmost and rightmost points of the convex polygon between heights `y0` and `y1`: on the
// two lines, or at a corner between them.
Extent extentBetween(std::span<const PixelPoint> points, double y0, double y1) {
    Extent extent;
    addLine(points, y0, extent);
    addLine(points, y1, extent);
    for (const PixelPoint& point : points)
        if (y0 < point.y && point.y < y1)
            extent.add(point.x);
    return extent;
}

} // namespace

void polygonRuns(std::span<const MapPoint> corners, int width, int height,
                 std::vector<PixelRun>& runs) {
    std::array<PixelPoint, kMostCorners> buffer{};
    const std::size_t count = std::min(corners.size(), kMostCorners);
    double top = kPixelLimit, bottom = -kPixelLimit;
    for (std::size_t i = 0; i < count; ++i) {
        buffer[i] = {clampPixels(static_cast<double>(corners[i].x) * width * 0.01),
                     clampPixels(static_cast<double>(corners[i].y) * height * 0.01)};
        top = std::min(top, buffer[i].y), bottom = std::max(bottom, buffer[i].y);
    }
    if (count == 0)
        return;
    const std::span<const PixelPoint> points(buffer.data(), count);
    const int first = nearestEdge(top), last = std::max(first, nearestEdge(bottom) - 1);
    for (int row = std::max(first, 0); row <= std::min(last, height - 1); ++row) {
        const Extent extent = extentBetween(points, std::clamp(double(row), top, bottom),
                                            std::clamp(row + 1.0, top, bottom));
        const int from = nearestEdge(extent.left);
        const int to = std::max(from, nearestEdge(extent.right) - 1);
        if (to >= 0 && from < width)
            runs.push_back({row, std::max(from, 0), std::min(to, width - 1)});
    }
}

} // namespace norvane
