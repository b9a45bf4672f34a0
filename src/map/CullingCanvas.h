#pragma once

#include "Canvas.h"
#include "CoverageMask.h"

#include <array>
#include <optional>
#include <vector>

namespace norvane {

// Speeds up a redraw by leaving out what later rectangles paint over. It buffers the calls of
// one redraw; finish() hands the calls that stay visible, in their order and with their pen and
// fill state, to the target. The picture is the same as drawing every call, provided the target
// fills a rectangle exactly over the pixelSpan of its corners and draws circles and lines
// within their pen-widened bounds. The target is not owned and must outlive this canvas.
class CullingCanvas : public Canvas {
public:
    CullingCanvas(Canvas& target, int widthPixels, int heightPixels);

    void fillRect(float x1, float y1, float x2, float y2, Rgb colour) override;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb outline) override;
    void setPenWidth(int pixels) override { m_state.penWidth = pixels; }
    void setFillSolid() override { m_state.fillSolid = true; }
    void setFillColour(Rgb colour) override { m_state.fillColour = colour; }

    // Draws the visible calls on the target and empties the buffer.
    void finish();

private:
    // Pen and fill state as set so far; 0 and nothing mean "never set".
    struct State {
        int penWidth = 0;
        bool fillSolid = false;
        std::optional<Rgb> fillColour;
    };
    enum class Op : unsigned char { FillRect, Line, Circle };
    struct Call {
        Op op;
        std::array<float, 4> values;
        Rgb colour;
        State state;
    };

    PixelBox boundsOf(const Call& call) const;
    std::vector<bool> visibleCalls() const;
    void sendState(const State& wanted, State& sent);
    void replay(const Call& call, State& sent);

    Canvas& m_target;
    int m_width;
    int m_height;
    State m_state;
    std::vector<Call> m_calls;
};

} // namespace norvane
