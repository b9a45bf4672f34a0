#include "MapPicture.h"

#include "QtCanvas.h"

#include "map/Render2D.h"
#include "scene/Error.h"
#include "scene/LargeMemory.h"

#include <QBuffer>
#include <QByteArray>

QImage newMapPicture(int pixels) {
    QImage picture(pixels, pixels, QImage::Format_RGB32);
    // Still untouched: the 400 % picture is 8 MB, which small pages fault in 4 KiB at a time.
    norvane::preferLargePages(picture.bits(), std::size_t(picture.sizeInBytes()));
    return picture;
}

std::vector<std::size_t> paintMapPicture(const norvane::Scene& scene, QImage& picture,
                                         float gridStep) {
    QtCanvas canvas(picture);
    return norvane::Render2DCulled(scene, canvas, picture.width(), picture.height(), gridStep);
}

namespace {

// Pixels around a changed symbol that its pen, and a neighbour's, may reach.
constexpr int kPenMargin = 3;

} // namespace

void paintMapRegion(const norvane::Scene& scene, QImage& picture, const norvane::MapRect& region,
                    float gridStep) {
    const double perUnit = picture.width() / 100.0;
    const QRect pixels = QRectF(region.left * perUnit, region.top * perUnit, region.width * perUnit,
                                region.height * perUnit)
                             .toAlignedRect()
                             .adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin) &
                         picture.rect();
    if (pixels.isEmpty())
        return;
    const auto units = [perUnit](int value) { return static_cast<float>(value / perUnit); };
    const int reach = 2 * kPenMargin; // rows this close may draw into the clip
    const norvane::MapRect around{units(pixels.left() - reach), units(pixels.top() - reach),
                                  units(pixels.width() + 2 * reach),
                                  units(pixels.height() + 2 * reach)};
    QtCanvas canvas(picture);
    canvas.clipTo(pixels);
    norvane::Render2DRegion(scene, canvas, around, gridStep);
}

std::string pngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        throw norvane::Error("Cannot encode the map picture as PNG");
    return bytes.toStdString();
}
