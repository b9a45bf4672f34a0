#include "QtCanvas.h"

#include "map/PixelSpan.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMapUnits = 100.0;

QColor toQColor(norvane::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

QtCanvas::QtCanvas(QImage& image)
    : m_painter(&image), m_width(image.width()), m_height(image.height()),
      m_pixelsPerUnitX(m_width / kMapUnits), m_pixelsPerUnitY(m_height / kMapUnits) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

double QtCanvas::toPixelsX(float x) const {
    return norvane::clampPixels(x * m_pixelsPerUnitX);
}

double QtCanvas::toPixelsY(float y) const {
    return norvane::clampPixels(y * m_pixelsPerUnitY);
}

void QtCanvas::fillRect(float x1, float y1, float x2, float y2, norvane::Rgb colour) {
    const norvane::PixelSpan columns = norvane::pixelSpan(x1, x2, m_width);
    const norvane::PixelSpan rows = norvane::pixelSpan(y1, y2, m_height);
    m_painter.fillRect(QRect(QPoint(columns.first, rows.first), QPoint(columns.last, rows.last)),
                       toQColor(colour));
}

void QtCanvas::line(float x1, float y1, float x2, float y2, norvane::Rgb colour) {
    usePen(colour);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawLine(QPoint(norvane::pixelEdge(x1, m_width), norvane::pixelEdge(y1, m_height)),
                       QPoint(norvane::pixelEdge(x2, m_width), norvane::pixelEdge(y2, m_height)));
}

void QtCanvas::circle(float cx, float cy, float radius, norvane::Rgb outline) {
    usePen(outline);
    if (m_fillSolid)
        m_painter.setBrush(toQColor(m_fillColour));
    else
        m_painter.setBrush(Qt::NoBrush);
    const double rx = std::min(std::fabs(radius * m_pixelsPerUnitX), norvane::kPixelLimit);
    const double ry = std::min(std::fabs(radius * m_pixelsPerUnitY), norvane::kPixelLimit);
    m_painter.drawEllipse(QPointF(toPixelsX(cx), toPixelsY(cy)), rx, ry);
}

void QtCanvas::usePen(norvane::Rgb colour) {
    QPen pen(toQColor(colour));
    pen.setWidth(m_penWidth);
    pen.setCosmetic(true);
    m_painter.setPen(pen);
}
