#include "RecordingCanvas.h"

namespace norvane::test {

namespace {

std::ostream& operator<<(std::ostream& out, Rgb c) {
    return out << int(c.red) << ',' << int(c.green) << ',' << int(c.blue);
}

} // namespace

void RecordingCanvas::fillRect(float x1, float y1, float x2, float y2, Rgb colour) {
    m_calls << "fillRect " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2;
    m_calls << " rgb " << colour << " pen " << m_penWidth << '\n';
}

void RecordingCanvas::fillPolygon(std::span<const MapPoint> corners, Rgb colour) {
    m_calls << "fillPolygon";
    for (const MapPoint& corner : corners)
        m_calls << ' ' << corner.x << ' ' << corner.y;
    m_calls << " rgb " << colour << " pen " << m_penWidth << '\n';
}

void RecordingCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
    m_calls << "line " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2;
    m_calls << " rgb " << colour << " pen " << m_penWidth << '\n';
}

void RecordingCanvas::circle(float cx, float cy, float radius, Rgb outline) {
    m_calls << "circle " << cx << ' ' << cy << ' ' << radius << " rgb " << outline << " pen "
            << m_penWidth;
    if (m_fillSolid)
        m_calls << " fill " << m_fillColour;
    m_calls << '\n';
}

} // namespace norvane::test
