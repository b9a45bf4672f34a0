#include "QtCanvas.h"

#include "map/PixelSpan.h"
#include "map/PolygonRuns.h"

#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMapUnits = 100.0;

QColor toQColor(norvane::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// Formats whose pixels are 32-bit words 0xffRRGGBB for an opaque colour.
bool takesWords(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QtCanvas::QtCanvas(QImage& image)
    : m_rows(takesWords(image.format()) ? image.bits() : nullptr),
      m_bytesPerRow(image.bytesPerLine()), m_clip(image.rect()), m_painter(&image),
      m_width(image.width()), m_height(image.height()), m_pixelsPerUnitX(m_width / kMapUnits),
      m_pixelsPerUnitY(m_height / kMapUnits) {
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
    const QRect pixels(QPoint(columns.first, rows.first), QPoint(columns.last, rows.last));
    if (m_rows)
        fillPixels(pixels & m_clip, colour);
    else
        m_painter.fillRect(pixels, toQColor(colour));
}

void QtCanvas::fillRectShowing(float x1, float y1, float x2, float y2, norvane::Rgb colour,
                               std::span<const norvane::PixelRun> showing) {
    if (fillsWholeWords())
        fillRuns(showing, colour);
    else
        fillRect(x1, y1, x2, y2, colour);
}

bool QtCanvas::fillsWholeWords() const {
    return m_rows && m_clip == QRect(0, 0, m_width, m_height);
}

void QtCanvas::fillRuns(std::span<const norvane::PixelRun> runs, norvane::Rgb colour) {
    const quint32 word = qRgb(colour.red, colour.green, colour.blue);
    for (const norvane::PixelRun& run : runs) {
        auto* row = reinterpret_cast<quint32*>(m_rows + run.row * m_bytesPerRow);
        std::fill(row + run.first, row + run.last + 1, word);
    }
}

void QtCanvas::fillPolygon(std::span<const norvane::MapPoint> corners, norvane::Rgb colour) {
    m_polygonRuns.clear();
    norvane::polygonRuns(corners, m_width, m_height, m_polygonRuns);
    for (const norvane::PixelRun& run : m_polygonRuns) {
        const QRect pixels(run.first, run.row, run.last - run.first + 1, 1);
        if (m_rows)
            fillPixels(pixels & m_clip, colour);
        else
            m_painter.fillRect(pixels, toQColor(colour));
    }
}

void QtCanvas::fillPolygonShowing(std::span<const norvane::MapPoint> corners, norvane::Rgb colour,
                                  std::span<const norvane::PixelRun> showing) {
    if (fillsWholeWords())
        fillRuns(showing, colour);
    else
        fillPolygon(corners, colour);
}

void QtCanvas::fillPixels(const QRect& pixels, norvane::Rgb colour) {
    if (pixels.isEmpty())
        return;
    const quint32 word = qRgb(colour.red, colour.green, colour.blue);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* row = reinterpret_cast<quint32*>(m_rows + y * m_bytesPerRow);
        std::fill_n(row + pixels.left(), pixels.width(), word);
    }
}

void QtCanvas::clipTo(const QRect& pixels) {
    m_clip &= pixels;
    m_painter.setClipRect(pixels);
}

void QtCanvas::line(float x1, float y1, float x2, float y2, norvane::Rgb colour) {
    usePen(colour);
    useBrush(std::nullopt);
    m_painter.drawLine(QPoint(norvane::pixelEdge(x1, m_width), norvane::pixelEdge(y1, m_height)),
                       QPoint(norvane::pixelEdge(x2, m_width), norvane::pixelEdge(y2, m_height)));
}

void QtCanvas::circle(float cx, float cy, float radius, norvane::Rgb outline) {
    usePen(outline);
    useBrush(m_fillSolid ? std::optional(m_fillColour) : std::nullopt);
    const double rx = std::min(std::fabs(radius * m_pixelsPerUnitX), norvane::kPixelLimit);
    const double ry = std::min(std::fabs(radius * m_pixelsPerUnitY), norvane::kPixelLimit);
    m_painter.drawEllipse(QPointF(toPixelsX(cx), toPixelsY(cy)), rx, ry);
}

void QtCanvas::usePen(norvane::Rgb colour) {
    if (m_pen == std::pair(colour, m_penWidth))
        return;
    m_pen = std::pair(colour, m_penWidth);
    QPen pen(toQColor(colour));
    pen.setWidth(m_penWidth);
    pen.setCosmetic(true);
    m_painter.setPen(pen);
}

void QtCanvas::useBrush(std::optional<norvane::Rgb> fill) {
    if (m_brush && *m_brush == fill)
        return;
    m_brush = fill;
    m_painter.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
}
