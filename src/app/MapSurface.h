#pragma once

#include "map/MapPoint.h"
#include "map/MouseButton.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>

class QPainter;

// The map surface `Picture1`: a square widget showing a retained image of the map. The picture
// is painted part by part as the parts are shown (a large surface in a small viewport paints
// only what is in view), through the painter its owner gives. Reports mouse events in map units
// (100 by 100 at every size); the second press of a double click is a press like any other.
class MapSurface : public QWidget {
    Q_OBJECT
public:
    explicit MapSurface(QWidget* parent = nullptr);

    // Paints the part `pixels` of the picture as the whole map would show it.
    using PartPainter = std::function<void(QImage& picture, const QRect& pixels)>;
    void setPainter(PartPainter painter) { m_painter = std::move(painter); }
    // Paints over the picture in the widget's pixels `pixels` after each paint (the markers of a
    // selection of several objects).
    using OverlayPainter = std::function<void(QPainter& painter, const QRect& pixels)>;
    void setOverlay(OverlayPainter overlay) { m_overlay = std::move(overlay); }

    // Resizes the widget and its image to `pixels` square, all of it to be painted. Overlay
    // shapes are refitted to the new size.
    void setSurfacePixels(int pixels);
    // Forgets the picture: each part is painted again when it is next shown or read.
    void invalidate();
    // The whole retained picture, every part painted; owned by the surface.
    QImage& image();
    // The picture as painted so far, for repainting parts of it.
    QImage& picture() { return m_image; }
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

private:
    void paintMissing(const QRect& pixels);

    QImage m_image;
    QRegion m_painted;
    PartPainter m_painter;
    OverlayPainter m_overlay;
    Qt::KeyboardModifiers m_modifiers;
};
