#pragma once

#include "map/Canvas.h"

#include <array>
#include <ostream>
#include <vector>

namespace norvane::test {

// One drawing call as a canvas received it, with the pen and fill state it was drawn with.
struct DrawCall {
    enum class Op { FillRect, Line, Circle } op;
    std::array<float, 4> values; // corners (x1, y1, x2, y2) or centre and radius (cx, cy, r, 0)
    Rgb colour;
    int penWidth;
    bool fillSolid;
    Rgb fillColour;
};

std::ostream& operator<<(std::ostream& out, const DrawCall& call);

// A canvas that records every drawing call in order, for the renderer tests.
class RecordingCanvas : public Canvas {
public:
    void fillRect(float x1, float y1, float x2, float y2, Rgb colour) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb outline) override;
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setFillSolid() override { m_fillSolid = true; }
    void setFillColour(Rgb colour) override { m_fillColour = colour; }

    const std::vector<DrawCall>& calls() const { return m_calls; }
    int penWidth() const { return m_penWidth; }

private:
    void record(DrawCall::Op op, std::array<float, 4> values, Rgb colour);

    std::vector<DrawCall> m_calls;
    int m_penWidth = 0; // 0 until the renderer sets one
    bool m_fillSolid = false;
    Rgb m_fillColour{};
};

} // namespace norvane::test
