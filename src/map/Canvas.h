#pragma once

#include "MapPoint.h"
#include "PixelRun.h"
#include "Rgb.h"

#include <span>

namespace norvane {

// A drawing surface in map units (100 by 100, origin top-left, Y downwards) with a pen width in
// pixels and a fill state for circles. Render2D draws through it; the Qt canvas and the test
// recorder implement it.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the axis-aligned rectangle between two corners; the fill state does not apply.
    virtual void fillRect(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // The same rectangle when only the pixels of `showing` stay in the picture, the others being
    // painted over by later rectangles: a canvas may fill just those. Fills it all by default.
    virtual void fillRectShowing(float x1, float y1, float x2, float y2, Rgb colour,
                                 std::span<const PixelRun> showing) {
        (void)showing;
        fillRect(x1, y1, x2, y2, colour);
    }
    // Fills a convex polygon (a turned box) over the pixels polygonRuns gives for it; neither the
    // pen nor the fill state applies.
    virtual void fillPolygon(std::span<const MapPoint> corners, Rgb colour) = 0;
    // The same polygon when only the pixels of `showing` stay in the picture, as for
    // fillRectShowing. Fills it all by default.
    virtual void fillPolygonShowing(std::span<const MapPoint> corners, Rgb colour,
                                    std::span<const PixelRun> showing) {
        (void)showing;
        fillPolygon(corners, colour);
    }
    // A straight line at the current pen width.
    virtual void line(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // A circle outlined in `outline` at the current pen width, filled with the fill colour when
    // the fill mode is solid.
    virtual void circle(float cx, float cy, float radius, Rgb outline) = 0;

    virtual void setPenWidth(int pixels) = 0;
    virtual void setFillSolid() = 0;
    virtual void setFillColour(Rgb colour) = 0;
};

} // namespace norvane
