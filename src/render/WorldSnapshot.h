#pragma once

#include "scene/Scene.h"

#include <QImage>
#include <QSize>
#include <QString>

// The 3D view of `scene` from the world's starting point under the sky named `sky`, drawn
// off screen at `size`. Needs a QGuiApplication on a platform with OpenGL; returns a null image
// when nothing could be drawn.
QImage worldSnapshot(norvane::Scene& scene, const QString& sky, QSize size);

// True when this platform can draw the 3D view: an OpenGL context can be made current.
bool canDraw3D();
