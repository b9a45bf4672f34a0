#include "PagePoster.h"

#include "render/MapPicture.h"
#include "render/WorldSnapshot.h"

PagePoster drawPagePoster(const norvane::Scene& scene, const norvane::WorldOptions& world,
                          const norvane::PageOptions& page) {
    const int height = norvane::posterHeight(page);
    if (canDraw3D()) {
        norvane::Scene shown = scene;
        const QImage view = worldSnapshot(shown, QString::fromStdString(world.sky),
                                          QSize(norvane::kPosterWidth, height));
        if (!view.isNull())
            return {pngBytes(view), norvane::kPosterOf3DView};
    }
    QImage map = newMapPicture(height);
    paintMapPicture(scene, map);
    return {pngBytes(map), norvane::kPosterOfMap};
}
