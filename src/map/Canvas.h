#pragma once

#include "Rgb.h"

namespace norvane {

// A drawing surface in map units (100 by 100, origin top-left, Y downwards) with a pen width in
// pixels and a fill state for circles. Render2D draws through it; the Qt canvas and the test
// recorder implement it.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Fills the axis-aligned rectangle between two corners; the fill state does not apply.
    virtual void fillRect(float x1, float y1, float x2, float y2, Rgb colour) = 0;
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
