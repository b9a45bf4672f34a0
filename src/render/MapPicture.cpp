#include "MapPicture.h"

#include "QtCanvas.h"

#include "map/CullingCanvas.h"
#include "map/Render2D.h"
#include "scene/Error.h"

#include <QBuffer>
#include <QByteArray>

QImage newMapPicture(int pixels) {
    return QImage(pixels, pixels, QImage::Format_RGB32);
}

void paintMapPicture(const norvane::Scene& scene, QImage& picture) {
    QtCanvas canvas(picture);
    norvane::CullingCanvas culled(canvas, picture.width(), picture.height());
    norvane::Render2D(scene, culled);
    culled.finish();
}

std::string pngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        throw norvane::Error("Cannot encode the map picture as PNG");
    return bytes.toStdString();
}
