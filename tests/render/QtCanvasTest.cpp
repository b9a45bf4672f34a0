// The shared map picture paints what the Qt canvas paints of Render2D's map, culling or not.
// (The editor's map at each zoom against tests/data/app/qt-canvas-*.png: MainEditorZoomTest.)
#include "render/QtCanvas.h"
#include "render/MapPicture.h"

#include "map/Render2D.h"
#include "scene/Catalogue.h"
#include "scene/NumberText.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Every kind at random places (some off the map), sizes and codes, with a few damaged rows;
// areas up to `areaSize` units wide and high.
norvane::Scene randomScene(int objects, double areaSize) {
    QRandomGenerator random(7);
    const auto coordinate = [&random] { return float(random.bounded(120.0) - 10.0); };
    const char* codes[] = {"0", "3.14", "1.57", "-1.57", "9"};
    norvane::Scene scene;
    for (int i = 0; i < objects; ++i) {
        const std::string kind(norvane::kCatalogue[random.bounded(28)].name);
        const float x = coordinate(), y = coordinate();
        if (norvane::isAreaKind(kind)) {
            const float w = float(random.bounded(areaSize)), h = float(random.bounded(areaSize));
            scene.append({kind, norvane::plainForm(x), norvane::plainForm(y),
                          norvane::plainForm(x + w), norvane::plainForm(y + h), ""});
        } else {
            const std::string text = norvane::isTextKind(kind) ? "Hello" : "";
            scene.append({kind, norvane::pointForm(x),
                          i % 97 ? norvane::pointForm(y) : std::string("bad"),
                          codes[random.bounded(5)], "", text});
        }
    }
    return scene;
}

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void cullingKeepsThePicture_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("objects");
        QTest::addColumn<double>("areaSize");
        for (int pixels : {363, 726, 1452})
            for (int objects : {300, 6000})
                QTest::addRow("%d px, %d objects", pixels, objects) << pixels << objects << 12.0;
        QTest::addRow("big areas") << 1452 << 3000 << 110.0;
    }

    // The shared map picture leaves out hidden rows and fills rectangles itself; it must match
    // QPainter painting every call (on a 24-bit image, where the canvas leaves fills to it).
    void cullingKeepsThePicture() {
        QFETCH(int, pixels);
        QFETCH(int, objects);
        QFETCH(double, areaSize);
        const norvane::Scene scene = randomScene(objects, areaSize);
        QImage everything(pixels, pixels, QImage::Format_RGB888);
        {
            QtCanvas canvas(everything);
            norvane::Render2D(scene, canvas);
        }
        QImage culled = newMapPicture(pixels);
        paintMapPicture(scene, culled);
        QCOMPARE(culled, everything.convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
