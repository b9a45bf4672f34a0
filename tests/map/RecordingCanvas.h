#pragma once

#include "map/Canvas.h"

#include <sstream>
#include <string>

namespace norvane::test {

// A canvas that writes down every drawing call, one a line with the pen width it was drawn with
// ("line 49 50 51 50 rgb 255,255,255 pen 2"), circles also with their fill when it is solid.
class RecordingCanvas : public Canvas {
public:
    void fillRect(float x1, float y1, float x2, float y2, Rgb colour) override;
    void fillPolygon(std::span<const MapPoint> corners, Rgb colour) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb outline) override;
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setFillSolid() override { m_fillSolid = true; }
    void setFillColour(Rgb colour) override { m_fillColour = colour; }

    std::string calls() const { return m_calls.str(); }

private:
    std::ostringstream m_calls;
    int m_penWidth = 0; // 0 until the renderer sets one
    bool m_fillSolid = false;
    Rgb m_fillColour{};
};

} // namespace norvane::test
