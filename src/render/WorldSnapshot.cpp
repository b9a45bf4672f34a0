#include "WorldSnapshot.h"

#include "WalkCamera.h"
#include "WorldModel.h"
#include "WorldWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QQmlError>

namespace {

constexpr int kExposeMilliseconds = 5000;

} // namespace

QImage worldSnapshot(norvane::Scene& scene, const QString& sky, QSize size) {
    WorldModel world(scene);
    world.setSky(sky);
    WalkCamera walker;
    WorldWindow window(world, walker, false);
    window.resize(size);
    for (const QQmlError& error : window.errors())
        qWarning("%s", qPrintable(error.toString()));
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.isExposed() && waited.elapsed() < kExposeMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return window.grabWindow();
}

bool canDraw3D() {
    QOpenGLContext context;
    if (!context.create())
        return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    return surface.isValid() && context.makeCurrent(&surface);
}
