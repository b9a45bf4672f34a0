#pragma once

#include "map/MapPoint.h"
#include "map/MouseButton.h"

#include <QImage>
#include <QWidget>

// The map surface `Picture1`: a square widget showing a retained image of the map, which
// Render2D paints through a QtCanvas. Reports mouse events in map units (100 by 100 at every
// size); the second press of a double click is swallowed, so its release comes without a press.
class MapSurface : public QWidget {
    Q_OBJECT
public:
    explicit MapSurface(QWidget* parent = nullptr);

    // Resizes the widget and its image to `pixels` square; the image content is undefined until
    // the next redraw. Overlay shapes are refitted to the new size.
    void setSurfacePixels(int pixels);
    // The retained picture; owned by the surface.
    QImage& image() { return m_image; }
    // A widget position in map units.
    norvane::MapPoint toMap(QPointF pixels) const;
    // The keyboard modifiers held at the last mouse event on the map.
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }

signals:
    void pressed(norvane::MouseButton button, norvane::MapPoint at);
    void moved(norvane::MapPoint at);
    void released(norvane::MouseButton button, norvane::MapPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    Qt::KeyboardModifiers m_modifiers;
};
