#pragma once

#include "map/Canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <optional>
#include <span>
#include <utility>
#include <vector>

// Paints map-unit drawing calls on a QImage that shows the whole 100 by 100 map. Pens are
// cosmetic, so line widths stay in pixels at every image size. Rectangles cover the pixels
// between their nearest pixel edges, at least one each way, so one of no width still shows.
// Rectangles on a 32-bit image are written straight into its pixels, the same pixels QPainter
// would fill. Does not own the image, which must outlive the canvas; painting ends with it.
class QtCanvas : public norvane::Canvas {
public:
    explicit QtCanvas(QImage& image);

    void fillRect(float x1, float y1, float x2, float y2, norvane::Rgb colour) override;
    // On a 32-bit image fills the pixels of `showing` alone.
    void fillRectShowing(float x1, float y1, float x2, float y2, norvane::Rgb colour,
                         std::span<const norvane::PixelRun> showing) override;
    void fillPolygon(std::span<const norvane::MapPoint> corners, norvane::Rgb colour) override;
    // On a 32-bit image fills the pixels of `showing` alone.
    void fillPolygonShowing(std::span<const norvane::MapPoint> corners, norvane::Rgb colour,
                            std::span<const norvane::PixelRun> showing) override;
    void line(float x1, float y1, float x2, float y2, norvane::Rgb colour) override;
    void circle(float cx, float cy, float radius, norvane::Rgb outline) override;
    void setPenWidth(int pixels) override { m_penWidth = pixels; }
    void setFillSolid() override { m_fillSolid = true; }
    void setFillColour(norvane::Rgb colour) override { m_fillColour = colour; }
    // Keeps every later call inside `pixels`.
    void clipTo(const QRect& pixels);

private:
    // Map units to image pixels, kept inside a range that QPainter handles.
    double toPixelsX(float x) const;
    double toPixelsY(float y) const;
    void usePen(norvane::Rgb colour);
    void useBrush(std::optional<norvane::Rgb> fill);
    void fillPixels(const QRect& pixels, norvane::Rgb colour);
    // Fills whole runs on a 32-bit image without a clip.
    void fillRuns(std::span<const norvane::PixelRun> runs, norvane::Rgb colour);
    // True when runs can go straight into the image's words.
    bool fillsWholeWords() const;

    // The image's rows, when rectangles can be filled into it directly, else null.
    uchar* m_rows;
    qsizetype m_bytesPerRow;
    QRect m_clip;
    std::vector<norvane::PixelRun> m_polygonRuns; // kept for the next polygon
    QPainter m_painter;
    int m_width;
    int m_height;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    int m_penWidth = 1;
    bool m_fillSolid = false;
    norvane::Rgb m_fillColour{};
    // What the painter holds, so that it is set only when it changes.
    std::optional<std::pair<norvane::Rgb, int>> m_pen;
    std::optional<std::optional<norvane::Rgb>> m_brush;
};
