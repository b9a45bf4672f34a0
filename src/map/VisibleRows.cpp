#include "VisibleRows.h"

#include "CoverageMask.h"
#include "DrawSymbol.h"
#include "PixelSpan.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace norvane {

namespace {

// Keeps the one call that drawSymbol makes for a row, to measure it instead of drawing it.
class CallCapture : public Canvas {
public:
    enum class Op { None, FillRect, Line, Circle };

    void fillRect(float x1, float y1, float x2, float y2, Rgb) override {
        keep(Op::FillRect, {x1, y1, x2, y2});
    }
    void line(float x1, float y1, float x2, float y2, Rgb) override {
        keep(Op::Line, {x1, y1, x2, y2});
    }
    void circle(float cx, float cy, float radius, Rgb) override {
        keep(Op::Circle, {cx, cy, radius, 0.0f});
    }
    void setPenWidth(int) override {}
    void setFillSolid() override {}
    void setFillColour(Rgb) override {}

    Op op = Op::None;
    std::array<float, 4> values{};

private:
    void keep(Op kept, std::array<float, 4> keptValues) {
        op = kept;
        values = keptValues;
    }
};

int floorPixel(double pixels) {
    return static_cast<int>(std::floor(clampPixels(pixels)));
}

int ceilPixel(double pixels) {
    return static_cast<int>(std::ceil(clampPixels(pixels)));
}

// The pixels a call can touch: exact for rectangles, a pen-widened box for the others.
PixelBox boundsOf(const CallCapture& call, int penWidth, int width, int height) {
    const auto& v = call.values;
    const int margin = std::max(penWidth, 1) + 1;
    if (call.op == CallCapture::Op::FillRect) {
        const PixelSpan columns = pixelSpan(v[0], v[2], width),
                        rows = pixelSpan(v[1], v[3], height);
        return {columns.first, rows.first, columns.last, rows.last};
    }
    if (call.op == CallCapture::Op::Line) {
        const int xa = pixelEdge(v[0], width), xb = pixelEdge(v[2], width);
        const int ya = pixelEdge(v[1], height), yb = pixelEdge(v[3], height);
        return {std::min(xa, xb) - margin, std::min(ya, yb) - margin, std::max(xa, xb) + margin,
                std::max(ya, yb) + margin};
    }
    const double sx = width / 100.0, sy = height / 100.0, r = std::fabs(v[2]);
    return {floorPixel((v[0] - r) * sx) - margin, floorPixel((v[1] - r) * sy) - margin,
            ceilPixel((v[0] + r) * sx) + margin, ceilPixel((v[1] + r) * sy) + margin};
}

// Walks the rows of one layer from the last drawn to the first, against the mask of what the
// rows drawn after them cover.
class HiddenRowWalk {
public:
    HiddenRowWalk(const Scene& scene, int width, int height)
        : m_rows(scene.rows()), m_width(width), m_height(height), m_mask(width, height),
          m_symbols(m_rows.size(), kNoSymbol) {}

    // The objects layer first: it is drawn last. Ground rows are noted for the second walk.
    std::vector<std::uint8_t> walk() {
        for (std::size_t i = m_rows.size(); i-- > 0;) {
            const MapSymbol* symbol = findSymbol(m_rows[i].kind);
            if (symbol && symbol->layer == MapLayer::Ground)
                m_symbols[i] = indexOf(*symbol);
            else if (symbol)
                check(i, *symbol);
        }
        for (std::size_t i = m_rows.size(); i-- > 0;) {
            if (m_symbols[i] != kNoSymbol && kMapSymbols[m_symbols[i]].layer == MapLayer::Ground)
                check(i, kMapSymbols[m_symbols[i]]);
        }
        return std::move(m_symbols);
    }

private:
    static std::uint8_t indexOf(const MapSymbol& symbol) {
        return static_cast<std::uint8_t>(&symbol - kMapSymbols.data());
    }

    void check(std::size_t i, const MapSymbol& symbol) {
        m_symbols[i] = kNoSymbol;
        const Figure* figure = figureFor(symbol, m_rows[i].list5);
        if (!figure)
            return;
        CallCapture call;
        drawSymbol(m_rows[i], symbol, *figure, call);
        if (call.op == CallCapture::Op::None)
            return;
        const PixelBox box = boundsOf(call, symbol.penWidth, m_width, m_height);
        if (m_mask.covers(box))
            return;
        m_symbols[i] = indexOf(symbol);
        if (call.op == CallCapture::Op::FillRect)
            m_mask.cover(box);
    }

    std::span<const SceneObject> m_rows;
    int m_width;
    int m_height;
    CoverageMask m_mask;
    std::vector<std::uint8_t> m_symbols;
};

} // namespace

std::vector<std::uint8_t> visibleSymbols(const Scene& scene, int widthPixels, int heightPixels) {
    return HiddenRowWalk(scene, widthPixels, heightPixels).walk();
}

} // namespace norvane
