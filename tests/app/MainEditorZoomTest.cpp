// Zoom commands, scroll bars, the cross-hair and the selection marker on the main window: the
// commands of tests/data/app/main-editor-zoom.txt, each followed by the state it leaves; and the
// map's picture at each zoom as tests/data/app/qt-canvas-*.png show it.
#include "../support/AppGolden.h"
#include "EditorHarness.h"

#include "render/MapPicture.h"
#include "scene/Catalogue.h"
#include "scenefile/SceneFile.h"

#include <QAction>
#include <QImage>
#include <QScrollBar>

#include <memory>

namespace {

QString bar(const QScrollBar* bar) {
    return QStringLiteral("%1..%2 at %3 arrow %4 page %5")
        .arg(bar->minimum())
        .arg(bar->maximum())
        .arg(bar->value())
        .arg(bar->singleStep())
        .arg(bar->pageStep());
}

// The window's state as indented lines: zoom, surface, scroll bars, map colours, overlays, rows.
QString state(EditorHarness& h) {
    MainEditor& e = h.editor;
    QString out = "  checked";
    for (QAction* zoom : {e.mnu100Item, e.mnu200Item, e.mnu400Item})
        out += zoom->isChecked() ? " " + zoom->text() : QString();
    out += QStringLiteral(
               ", surface %1 twips, Picture1 %2, image %3x%4\n  HScroll1 %5\n  VScroll1 %6\n")
               .arg(e.surfaceTwips())
               .arg(rectText(e.Picture1->geometry()))
               .arg(e.Picture1->image().width())
               .arg(e.Picture1->image().height())
               .arg(bar(e.HScroll1), bar(e.VScroll1));
    out += QStringLiteral("  map at 10,10 %1, start marker at 50,96 %2, cross-hair %3\n")
               .arg(h.colourAt(h.pixelOf(10, 10)).name(), h.colourAt(h.pixelOf(50, 96)).name(),
                    QString(e.XLine->isVisible() || e.YLine->isVisible() ? "shown" : "hidden"));
    const double twipsPerUnit = e.surfaceTwips() / 100.0;
    const norvane::MapRect m = e.shpSelector->mapRect();
    if (e.shpSelector->isVisible())
        out += QStringLiteral("  marker at %1,%2 %3x%4 twips, on screen %5\n")
                   .arg(m.left * twipsPerUnit, 0, 'f', 2)
                   .arg(m.top * twipsPerUnit, 0, 'f', 2)
                   .arg(m.width * twipsPerUnit, 0, 'f', 3)
                   .arg(m.height * twipsPerUnit, 0, 'f', 3)
                   .arg(rectText(e.shpSelector->geometry()));
    for (const Row& row : h.rows()) { // shown at its point, or at an area's centre
        const bool area = norvane::isAreaKind(row[0].toStdString());
        const double x = area ? (row[1].toDouble() + row[3].toDouble()) / 2 : row[1].toDouble();
        const double y = area ? (row[2].toDouble() + row[4].toDouble()) / 2 : row[2].toDouble();
        out += "  row " + row.join('|') + " shown in " + h.colourAt(h.pixelOf(x, y)).name() + "\n";
    }
    return out + (e.Saved ? "  saved\n" : "  unsaved\n");
}

const QMap<QString, QAbstractSlider::SliderAction> kScrollActions = {
    {"arrow", QAbstractSlider::SliderSingleStepAdd},
    {"page", QAbstractSlider::SliderPageStepAdd},
    {"maximum", QAbstractSlider::SliderToMaximum}};

} // namespace

class MainEditorZoomTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;

    void run(const QStringList& words) {
        MainEditor& e = h->editor;
        const auto n = [&](int i) { return words.value(i).toInt(); };
        const QString& command = words[0];
        if (command == "zoom")
            e.findChild<QAction*>("mnu" + words[1] + "Item")->trigger();
        else if (command == "scroll")
            e.HScroll1->setValue(n(1)), e.VScroll1->setValue(n(2));
        else if (command == "hscroll" || command == "vscroll")
            (command == "hscroll" ? e.HScroll1 : e.VScroll1)
                ->triggerAction(kScrollActions.value(words[1]));
        else if (command == "rightdrag")
            h->drag(QPoint(n(1), n(2)), QPoint(n(3), n(4)), Qt::RightButton);
        else if (command == "place" && words.size() > 4)
            h->place(words[1], QPoint(n(2), n(3)), QPoint(n(4), n(5)));
        else if (command == "place")
            h->place(words[1], QPoint(n(2), n(3)));
        else
            QFAIL(qPrintable("unknown command " + command));
    }

private slots:
    void cleanup() { h.reset(); }

    void eachCommandLeavesItsState() {
        const QString script = QString::fromStdString(
            norvane::test::fileBytesOr(appDataPath("main-editor-zoom.txt").toStdString()));
        QString actual;
        for (const QString& line : script.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith("  "))
                continue;
            actual += line + "\n";
            if (line.startsWith('#'))
                continue;
            if (line == "fresh")
                h.reset(), h = std::make_unique<EditorHarness>();
            else
                run(line.split(' '));
            actual += state(*h);
        }
        const QString difference = goldenDifference("main-editor-zoom.txt", actual.toStdString());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // The map at 100 % and 400 % (line widths stay in pixels, the start marker is drawn on top)
    // and its PNG bytes, as the command-line render writes them, show the stored pictures.
    void sampleSceneAtEachZoom() {
        // A symbol of every figure form: a house, a street drawn under an earlier tree, a wall of
        // no width, a car, a pen-2 text along Y and a pen-1 text along X.
        h = std::make_unique<EditorHarness>();
        h->editor.scene() = norvane::readSceneText(
            norvane::test::fileBytesOr(appDataPath("qt-canvas.NSC").toStdString()));
        for (int percent : {100, 400}) {
            h->editor.findChild<QAction*>(QStringLiteral("mnu%1Item").arg(percent))->trigger();
            const QImage& image = h->editor.Picture1->image();
            const QByteArray png = QByteArray::fromStdString(pngBytes(image));
            for (const QImage& picture : {image, QImage::fromData(png, "PNG")}) {
                const QString difference =
                    goldenImageDifference(QStringLiteral("qt-canvas-%1.png").arg(percent), picture);
                QVERIFY2(difference.isEmpty(), qPrintable(difference));
            }
        }
    }
};

QTEST_MAIN(MainEditorZoomTest)
#include "MainEditorZoomTest.moc"
