#pragma once

#include "map/MapRect.h"

#include <QWidget>

class QPainter;

// One overlay shape above the map picture (rubber band, cross-hair line, selection marker),
// placed in map units on its parent surface. A line is a rectangle of no width or height; every
// shape covers at least one pixel each way. Lets mouse events through to the surface.
class MapShape : public QWidget {
    Q_OBJECT
public:
    enum class Look { Dashed, Ring };

    MapShape(Look look, QWidget* surface);

    void setMapRect(norvane::MapRect rect);
    norvane::MapRect mapRect() const { return m_rect; }
    // Recomputes the pixel geometry from the map rectangle and the surface's current size.
    void refit();

    // The pixels that `rect` covers on a surface of `surface` pixels.
    static QRect pixelRect(norvane::MapRect rect, QSize surface);
    // Paints the shape's outline `outline` in `look`.
    static void paintOutline(QPainter& painter, Look look, const QRect& outline);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look m_look;
    norvane::MapRect m_rect;
};
