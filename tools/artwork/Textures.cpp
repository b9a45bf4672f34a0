#include "Textures.h"

#include "Noise.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

int channel(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

QColor shade(const QColor& base, double factor) {
    return QColor(channel(base.red() * factor), channel(base.green() * factor),
                  channel(base.blue() * factor));
}

// A picture whose every pixel is `colourAt(x, y)`.
QImage fill(const std::function<QColor(int, int)>& colourAt) {
    QImage image(kTextureSize, kTextureSize, QImage::Format_RGB32);
    for (int y = 0; y < kTextureSize; ++y)
        for (int x = 0; x < kTextureSize; ++x)
            image.setPixelColor(x, y, colourAt(x, y));
    return image;
}

// Draws `stroke` at its place and shifted by one tile in each direction, so that strokes
// crossing an edge continue on the opposite side.
void drawWrapped(QPainter& painter, const std::function<void(QPainter&)>& stroke) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            painter.save();
            painter.translate(dx * kTextureSize, dy * kTextureSize);
            stroke(painter);
            painter.restore();
        }
}

} // namespace

QImage drawGrass() {
    const Noise noise(11, kTextureSize);
    QImage image = fill([&](int x, int y) {
        return shade(QColor(58, 128, 38), 0.75 + 0.5 * noise.fractal(x, y, 64, 5));
    });
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 1400; ++i) {
        const double x = noise.lattice(i, 1) * kTextureSize;
        const double y = noise.lattice(i, 2) * kTextureSize;
        const double lean = (noise.lattice(i, 3) - 0.5) * 6.0;
        const double length = 4.0 + noise.lattice(i, 4) * 7.0;
        painter.setPen(QPen(shade(QColor(70, 150, 45), 0.7 + 0.6 * noise.lattice(i, 5)), 1.2));
        drawWrapped(painter,
                    [&](QPainter& p) { p.drawLine(QPointF(x, y), QPointF(x + lean, y - length)); });
    }
    return image;
}

QImage drawBrick() {
    constexpr int rows = 4;
    constexpr int brickWidth = kTextureSize / 2;
    constexpr int brickHeight = kTextureSize / rows;
    constexpr int mortar = 6;
    const Noise noise(23, kTextureSize);
    return fill([&](int x, int y) {
        const int row = y / brickHeight;
        const int shifted = (x + (row % 2) * brickWidth / 2) % kTextureSize;
        const int column = shifted / brickWidth;
        const double grain = noise.fractal(x, y, 16, 4);
        if (y % brickHeight < mortar || shifted % brickWidth < mortar)
            return shade(QColor(196, 190, 176), 0.8 + 0.3 * grain);
        const double tone = 0.8 + 0.35 * noise.lattice(row, column);
        return shade(QColor(160, 64, 44), tone * (0.85 + 0.3 * grain));
    });
}

QImage drawOfficeFacade() {
    constexpr int frame = 36;
    const Noise noise(37, kTextureSize);
    return fill([&](int x, int y) {
        const double grain = noise.fractal(x, y, 16, 4);
        const bool glass =
            x >= frame && x < kTextureSize - frame && y >= frame && y < kTextureSize - frame - 24;
        if (!glass)
            return shade(QColor(178, 178, 172), 0.85 + 0.25 * grain);
        const double sky = 1.0 - 0.45 * (y - frame) / (kTextureSize - 2.0 * frame);
        const double glare = (x + y) % 96 < 20 ? 1.18 : 1.0;
        return shade(QColor(96, 132, 170), sky * glare * (0.95 + 0.1 * grain));
    });
}

QImage drawWater() {
    const Noise noise(41, kTextureSize);
    return fill([&](int x, int y) {
        const double u = x * kTwoPi / kTextureSize;
        const double v = y * kTwoPi / kTextureSize;
        const double ripple = std::sin(3 * u + 2 * std::sin(2 * v)) * std::sin(4 * v + std::sin(u));
        const double swell = noise.fractal(x, y, 64, 4);
        return shade(QColor(40, 96, 190), 0.8 + 0.18 * ripple + 0.3 * swell);
    });
}

QImage drawWood() {
    const Noise noise(53, kTextureSize);
    return fill([&](int x, int y) {
        const double warp = noise.fractal(x, y, 64, 3);
        const double grain = std::sin(kTwoPi * (9.0 * y / kTextureSize + 2.0 * warp));
        const double fibre = noise.fractal(x, y, 8, 2);
        return shade(QColor(150, 98, 52), 0.85 + 0.15 * grain + 0.2 * (fibre - 0.5));
    });
}
