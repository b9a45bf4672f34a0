// Pictures of the 3D view through `norvane-cli snapshot`, which needs a display with OpenGL:
// CTest runs this under Xvfb, and offscreen to see it refuse without OpenGL.
#include "UiHelpers.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

namespace {

using Check = std::function<bool(const QImage&)>;

struct Case {
    const char* name;
    const char* scene; // scene file text, rows of six lines joined with '|'
    const char* sky;
    Check check;
};

bool blueish(QColor c) {
    return c.blue() > 200 && c.blue() > c.red() + 40;
}
bool greenish(QColor c) {
    return c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}
bool reddish(QColor c) {
    return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

// True when some pixel of the rectangle passes.
bool anyIn(const QImage& image, QRect area, const std::function<bool(QColor)>& test) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                return true;
    return false;
}

// The middle of the picture, where things straight ahead of the start appear.
const QRect kAhead(200, 250, 400, 100);

const Case kCases[] = {
    {"empty scene: sky above, grass below", "", "Blue Sky",
     [](const QImage& i) {
         return blueish(i.pixelColor(400, 2)) && greenish(i.pixelColor(400, 597));
     }},
    {"night sky darkens the top", "", "Night Sky",
     [](const QImage& i) {
         return qGray(i.pixel(400, 2)) < 40 && greenish(i.pixelColor(400, 597));
     }},
    {"a red car ahead shows red", "Car (Red)| 50| 86|1.57||", "Blue Sky",
     [](const QImage& i) { return anyIn(i, kAhead, reddish); }},
    {"a wall across the view hides the car behind it", "Wall|40|80|60|81||Car (Red)| 50| 70|1.57||",
     "Blue Sky", [](const QImage& i) { return !anyIn(i, QRect(0, 0, 800, 600), reddish); }},
    {"a big text draws its letters", "Text (Big)| 50| 80|0||WWWWWW", "Blue Sky",
     [](const QImage& i) {
         return anyIn(i, QRect(250, 100, 300, 200), [](QColor c) { return qGray(c.rgb()) > 235; });
     }},
};

} // namespace

Q_DECLARE_METATYPE(Case)

class SnapshotTest : public QObject {
    Q_OBJECT
private slots:
    void picture_data() { addCases(kCases); }
    void picture() {
        const Case& c = fetchCase<Case>();
        QTemporaryDir dir;
        const QString scene = dir.filePath("scene.NSC"), png = dir.filePath("view.png");
        QByteArray text = QByteArray(c.scene).replace('|', "\r\n");
        writeFile(scene, text.isEmpty() ? text : text + "\r\n");
        QProcess cli;
        cli.start(qEnvironmentVariable("NORVANE_CLI"), {"snapshot", scene, png, "--sky", c.sky});
        QVERIFY(cli.waitForFinished(60000));
        if (qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen") {
            // No OpenGL there: one line says why, and nothing is written.
            QCOMPARE(cli.exitCode(), 2);
            QVERIFY(cli.readAllStandardError().contains(
                "norvane-cli: snapshot: this display offers no OpenGL"));
            QVERIFY(!QFile::exists(png));
            return;
        }
        QCOMPARE(cli.exitCode(), 0);
        const QImage image(png);
        QCOMPARE(image.size(), QSize(800, 600));
        QVERIFY(c.check(image));
    }
};

QTEST_MAIN(SnapshotTest)
#include "SnapshotTest.moc"
