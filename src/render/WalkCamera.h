#pragma once

#include "view3d/Picking.h"

#include <QObject>
#include <QQuaternion>
#include <QVector3D>

// The eye of the 3D view, moved as a VRML browser's walk mode moves it: forward and back along
// the ground, turning about the vertical, looking up and down, rising and falling. It starts
// at the world's viewpoint, looking north with a 45 degree field of view.
class WalkCamera : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVector3D position READ position NOTIFY moved)
    Q_PROPERTY(QQuaternion rotation READ rotation NOTIFY moved)
    Q_PROPERTY(QVector3D forward READ forward NOTIFY moved)
public:
    static constexpr double kFieldOfViewDegrees = 45.0;

    explicit WalkCamera(QObject* parent = nullptr);

    QVector3D position() const;
    QQuaternion rotation() const;
    // The direction the eye looks in, unit long.
    QVector3D forward() const;

    void walk(double metres);  // along the ground in the looking direction (negative: back)
    void turn(double degrees); // positive turns left
    void look(double degrees); // positive looks up; kept within straight up and down
    void rise(double metres);
    // Back to the viewpoint, looking north.
    void reset();

    // The ray from the eye through pixel (x, y) of a view `width` by `height` pixels.
    norvane::Ray rayThrough(double x, double y, double width, double height) const;

signals:
    void moved();

private:
    norvane::Vec3 m_eye;
    double m_yaw = 0.0;   // radians, 0 looking along -Z
    double m_pitch = 0.0; // radians
};
