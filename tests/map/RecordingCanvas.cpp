#include "RecordingCanvas.h"

namespace norvane::test {

std::ostream& operator<<(std::ostream& out, const DrawCall& call) {
    static const char* const names[] = {"fillRect", "line", "circle"};
    out << names[int(call.op)] << '(' << call.values[0] << ", " << call.values[1] << ", "
        << call.values[2] << ", " << call.values[3] << ") rgb(" << int(call.colour.red) << ','
        << int(call.colour.green) << ',' << int(call.colour.blue) << ") pen " << call.penWidth;
    return out;
}

void RecordingCanvas::fillRect(float x1, float y1, float x2, float y2, Rgb colour) {
    record(DrawCall::Op::FillRect, {x1, y1, x2, y2}, colour);
}

void RecordingCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
    record(DrawCall::Op::Line, {x1, y1, x2, y2}, colour);
}

void RecordingCanvas::circle(float cx, float cy, float radius, Rgb outline) {
    record(DrawCall::Op::Circle, {cx, cy, radius, 0.0f}, outline);
}

void RecordingCanvas::record(DrawCall::Op op, std::array<float, 4> values, Rgb colour) {
    m_calls.push_back({op, values, colour, m_penWidth, m_fillSolid, m_fillColour});
}

} // namespace norvane::test
