// The Qt canvas paints Render2D's map: colours at known map points at 100 % and 400 %.
#include "render/QtCanvas.h"
#include "EditorHarness.h"
#include "render/MapPicture.h"

#include "map/MapZoom.h"
#include "map/Render2D.h"
#include "scene/Catalogue.h"
#include "scene/NumberText.h"

#include <QAction>
#include <QColor>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A small scene with a symbol of every figure form.
norvane::Scene sampleScene() {
    norvane::Scene scene;
    scene.append({"House", " 50", " 50", "0", "", ""});
    scene.append({"Tree", " 20", " 15", "0", "", ""});
    scene.append({"Street", "10", "10", "30", "20", ""}); // drawn under the earlier tree
    scene.append({"Wall", "80", "60", "80", "90", ""});   // no width
    scene.append({"Car (Red)", " 70", " 70", "0", "", ""});
    scene.append({"Text (Big)", " 50", " 80", "-1.57", "", "abcd"});
    scene.append({"Text (Eye-Level)", " 30", " 80", "1.57", "", "abcd"});
    return scene;
}

// Every kind at random places (some off the map), sizes and codes, with a few damaged rows.
norvane::Scene randomScene(int objects) {
    QRandomGenerator random(7);
    const auto coordinate = [&random] { return float(random.bounded(120.0) - 10.0); };
    const char* codes[] = {"0", "3.14", "1.57", "-1.57", "9"};
    norvane::Scene scene;
    for (int i = 0; i < objects; ++i) {
        const std::string kind(norvane::kCatalogue[random.bounded(28)].name);
        const float x = coordinate(), y = coordinate();
        if (norvane::isAreaKind(kind)) {
            const float w = float(random.bounded(12.0)), h = float(random.bounded(12.0));
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

QImage renderAt(int percent) {
    const int pixels =
        norvane::twipsToPixels(norvane::surfaceTwips(*norvane::zoomFromPercent(percent)));
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QtCanvas canvas(image);
    norvane::Render2D(sampleScene(), canvas);
    return image;
}

// The pixel holding map point (x, y).
QColor colourAt(const QImage& image, double x, double y) {
    return image.pixelColor(int(x * image.width() / 100.0), int(y * image.height() / 100.0));
}

// White pixels in the image row at map Y `y`, between map X `from` and `to`.
int whiteAcross(const QImage& image, double y, double from, double to) {
    const int row = int(y * image.height() / 100.0);
    int count = 0;
    for (int x = int(from * image.width() / 100.0); x <= int(to * image.width() / 100.0); ++x)
        count += image.pixelColor(x, row) == QColor(Qt::white) ? 1 : 0;
    return count;
}

const QColor kGreen(0, 192, 0), kRed(255, 0, 0), kHouse(200, 0, 0), kTree(0, 125, 0),
    kStreet(60, 60, 60), kWall(153, 153, 153), kWhite(255, 255, 255);

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void colours_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QColor>("colour");
        struct Point {
            const char* name;
            double x, y;
            QColor colour;
        };
        const Point points[] = {
            {"background", 5.0, 5.0, kGreen},
            {"house centre", 50.0, 50.0, kHouse},
            {"house inside left edge", 48.6, 50.0, kHouse},
            {"left of house", 48.3, 50.0, kGreen},
            {"street", 12.0, 12.0, kStreet},
            {"tree over later street", 20.0, 15.0, kTree},
            {"wall of no width", 80.05, 75.0, kWall},
            {"beside wall", 81.0, 75.0, kGreen},
            {"car, right part", 70.4, 70.0, kRed},
            {"right of car", 70.65, 70.0, kGreen},
            {"left of car", 69.55, 70.0, kGreen},
            {"big text line", 50.05, 80.0, kWhite},
            {"end of big text", 50.05, 80.9, kWhite},
            {"beyond big text", 50.05, 81.5, kGreen},
        };
        for (int percent : {100, 400}) {
            for (const Point& p : points)
                QTest::addRow("%d%% %s", percent, p.name) << percent << p.x << p.y << p.colour;
        }
    }

    void colours() {
        QFETCH(int, percent);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QColor, colour);
        QCOMPARE(colourAt(renderAt(percent), x, y), colour);
    }

    void lineWidthsStayInPixels() {
        for (int percent : {100, 400}) {
            const QImage image = renderAt(percent);
            QCOMPARE(whiteAcross(image, 80.0, 48.0, 52.0), 2); // "Text (Big)": pen 2
            QCOMPARE(whiteAcross(image, 80.0, 28.0, 32.0), 1); // "Text (Eye-Level)": pen 1
        }
    }

    void startMarkerIsOnTop() {
        const QImage image = renderAt(400);
        const QColor marker = colourAt(image, 50.0, 96.0);
        QVERIFY2(marker == QColor(150, 150, 255) || marker == QColor(50, 50, 150),
                 qPrintable(marker.name()));
        QCOMPARE(colourAt(image, 50.0, 97.0), kGreen);
    }

    // The editor's map, the shared map picture and its PNG bytes (the command-line render) agree.
    void editorAndPngShowTheSamePixels() {
        EditorHarness h;
        MainEditor& editor = h.editor;
        editor.scene() = sampleScene();
        editor.mnu400Item->trigger();
        const QImage expected = renderAt(400);
        QCOMPARE(editor.Picture1->image(), expected);
        const std::string png = pngBytes(expected);
        const QImage decoded = QImage::fromData(QByteArray::fromStdString(png), "PNG");
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), expected);
    }

    void cullingKeepsThePicture_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("objects");
        for (int pixels : {363, 726, 1452}) {
            for (int objects : {300, 6000})
                QTest::addRow("%d px, %d objects", pixels, objects) << pixels << objects;
        }
    }

    // The shared map picture leaves out hidden calls; it must match painting every call.
    void cullingKeepsThePicture() {
        QFETCH(int, pixels);
        QFETCH(int, objects);
        const norvane::Scene scene = randomScene(objects);
        QImage everything = newMapPicture(pixels);
        {
            QtCanvas canvas(everything);
            norvane::Render2D(scene, canvas);
        }
        QImage culled = newMapPicture(pixels);
        paintMapPicture(scene, culled);
        QCOMPARE(culled, everything);
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
