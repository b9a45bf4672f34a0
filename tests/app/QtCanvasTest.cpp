// The Qt canvas paints Render2D's map as tests/data/app/qt-canvas-*.png show it.
#include "render/QtCanvas.h"
#include "../support/AppGolden.h"
#include "EditorHarness.h"
#include "render/MapPicture.h"

#include "map/Render2D.h"
#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scenefile/SceneFile.h"

#include <QAction>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A symbol of every figure form: a house, a street drawn under an earlier tree, a wall of no
// width, a car, a pen-2 text along Y and a pen-1 text along X.
norvane::Scene sampleScene() {
    return norvane::readSceneText(
        norvane::test::fileBytesOr(appDataPath("qt-canvas.NSC").toStdString()));
}

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
    // The map at 100 % and 400 % (line widths stay in pixels, the start marker is drawn on top)
    // and its PNG bytes, as the command-line render writes them, show the stored pictures.
    void sampleSceneAtEachZoom() {
        EditorHarness h;
        h.editor.scene() = sampleScene();
        for (int percent : {100, 400}) {
            h.editor.findChild<QAction*>(QStringLiteral("mnu%1Item").arg(percent))->trigger();
            const QImage& image = h.editor.Picture1->image();
            const QByteArray png = QByteArray::fromStdString(pngBytes(image));
            for (const QImage& picture : {image, QImage::fromData(png, "PNG")}) {
                const QString difference =
                    goldenImageDifference(QStringLiteral("qt-canvas-%1.png").arg(percent), picture);
                QVERIFY2(difference.isEmpty(), qPrintable(difference));
            }
        }
    }

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
