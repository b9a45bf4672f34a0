#include "CullingCanvas.h"

#include "PixelSpan.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

int floorPixel(double pixels) {
    return static_cast<int>(std::floor(clampPixels(pixels)));
}

int ceilPixel(double pixels) {
    return static_cast<int>(std::ceil(clampPixels(pixels)));
}

} // namespace

CullingCanvas::CullingCanvas(Canvas& target, int widthPixels, int heightPixels)
    : m_target(target), m_width(widthPixels), m_height(heightPixels) {}

void CullingCanvas::fillRect(float x1, float y1, float x2, float y2, Rgb colour) {
    m_calls.push_back({Op::FillRect, {x1, y1, x2, y2}, colour, m_state});
}

void CullingCanvas::line(float x1, float y1, float x2, float y2, Rgb colour) {
    m_calls.push_back({Op::Line, {x1, y1, x2, y2}, colour, m_state});
}

void CullingCanvas::circle(float cx, float cy, float radius, Rgb outline) {
    m_calls.push_back({Op::Circle, {cx, cy, radius, 0.0f}, outline, m_state});
}

// The pixels a call can touch: exact for rectangles, a pen-widened box for the others.
PixelBox CullingCanvas::boundsOf(const Call& call) const {
    const auto& v = call.values;
    const int margin = std::max(call.state.penWidth, 1) + 1;
    switch (call.op) {
    case Op::FillRect: {
        const PixelSpan columns = pixelSpan(v[0], v[2], m_width);
        const PixelSpan rows = pixelSpan(v[1], v[3], m_height);
        return {columns.first, rows.first, columns.last, rows.last};
    }
    case Op::Line: {
        const int xa = pixelEdge(v[0], m_width), xb = pixelEdge(v[2], m_width);
        const int ya = pixelEdge(v[1], m_height), yb = pixelEdge(v[3], m_height);
        return {std::min(xa, xb) - margin, std::min(ya, yb) - margin, std::max(xa, xb) + margin,
                std::max(ya, yb) + margin};
    }
    case Op::Circle: {
        const double sx = m_width / 100.0, sy = m_height / 100.0, r = std::fabs(v[2]);
        return {floorPixel((v[0] - r) * sx) - margin, floorPixel((v[1] - r) * sy) - margin,
                ceilPixel((v[0] + r) * sx) + margin, ceilPixel((v[1] + r) * sy) + margin};
    }
    }
    return {};
}

// Walks the calls from the last to the first: a call is hidden when later rectangles cover all
// the pixels it can touch.
std::vector<bool> CullingCanvas::visibleCalls() const {
    CoverageMask mask(m_width, m_height);
    std::vector<bool> visible(m_calls.size(), false);
    for (std::size_t i = m_calls.size(); i-- > 0;) {
        const PixelBox box = boundsOf(m_calls[i]);
        if (mask.covers(box))
            continue;
        visible[i] = true;
        if (m_calls[i].op == Op::FillRect)
            mask.cover(box);
    }
    return visible;
}

void CullingCanvas::sendState(const State& wanted, State& sent) {
    if (wanted.penWidth != 0 && wanted.penWidth != sent.penWidth)
        m_target.setPenWidth(wanted.penWidth);
    if (wanted.fillSolid && !sent.fillSolid)
        m_target.setFillSolid();
    if (wanted.fillColour && wanted.fillColour != sent.fillColour)
        m_target.setFillColour(*wanted.fillColour);
    sent = wanted;
}

void CullingCanvas::replay(const Call& call, State& sent) {
    sendState(call.state, sent);
    const auto& v = call.values;
    switch (call.op) {
    case Op::FillRect:
        m_target.fillRect(v[0], v[1], v[2], v[3], call.colour);
        break;
    case Op::Line:
        m_target.line(v[0], v[1], v[2], v[3], call.colour);
        break;
    case Op::Circle:
        m_target.circle(v[0], v[1], v[2], call.colour);
        break;
    }
}

void CullingCanvas::finish() {
    const std::vector<bool> visible = visibleCalls();
    State sent;
    for (std::size_t i = 0; i < m_calls.size(); ++i) {
        if (visible[i])
            replay(m_calls[i], sent);
    }
    sendState(m_state, sent);
    m_calls.clear();
}

} // namespace norvane
