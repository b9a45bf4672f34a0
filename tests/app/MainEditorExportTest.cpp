// File > Export As…: World Properties, then one Save dialog offering every world format; the
// extension picks the writer, and a note says what the format loses until it is hidden.
#include "EditorHarness.h"

#include "app/Saver.h"
#include "vrml/WorldFormats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

namespace {

struct Export {
    const char* name;
    QString file;       // the answer of the Save dialog, in the program's directory
    const char* format; // the writer expected, "" when nothing may be written
    QStringList log;    // after the dialog's filters line; %1 the program's directory
};

const QString kFilters = "VRML 2.0 Files (*.wrl);;X3D Files (*.x3d);;"
                         "X3D ClassicVRML Files (*.x3dv)";
const QString kX3dNote = "note What the format keeps|X3D: background music played by X_ITE and "
                         "view3dscene; X3DOM's sound is experimental";

const Export kExports[] = {
    {"VRML, nothing to say", "town.wrl", "wrl", {}},
    {"X3D in capitals, with the note", "town.X3D", "x3d", {kX3dNote}},
    {"ClassicVRML", "town.x3dv", "x3dv", {}},
    {"an extension of no format",
     "town.obj",
     "",
     {"error Cannot tell the format of town.obj: name it with one of .wrl, .x3d, .x3dv."}},
    {"a folder that is not there",
     "gone/town.x3d",
     "",
     {"error Cannot write %1/gone/town.x3d: No such file or directory"}},
};

} // namespace

class MainEditorExportTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheChosenFormat_data() { addCases(kExports); }
    void writesTheChosenFormat() {
        const Export& c = fetchCase<Export>();
        EditorHarness harness;
        harness.fill({{"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""}});
        if (!c.log.filter("note ").isEmpty())
            harness.scripted.noteAnswers = {false};
        exportAs(harness, c.file, "song.wav");
        const QString app = harness.scripted.appDirectory();
        QStringList expected{"save dialog " + app + " " + kFilters};
        for (const QString& line : c.log)
            expected << QString(line).arg(app);
        QCOMPARE(harness.scripted.log, expected);
        const norvane::WorldFormat* format = norvane::worldFormatNamed(c.format);
        const norvane::WorldOptions options{"Night Sky", "song.wav", ""};
        QCOMPARE(fileBytes(harness.inAppDir(c.file)),
                 format ? QByteArray::fromStdString(
                              norvane::worldText(harness.editor.scene(), options, format->write))
                        : QByteArray("<missing>"));
        QVERIFY(!visibleWindow<Saver>());
    }

    // Ticking "Don't show again" hides the note from then on: the settings keep it.
    void theNoteCanBeHidden() {
        EditorHarness harness;
        harness.scripted.noteAnswers = {true};
        exportAs(harness, "a.x3d", "song.wav");
        exportAs(harness, "b.x3d", "song.wav");
        QCOMPARE(harness.scripted.log.filter("note ").size(), 1);
        QCOMPARE(harness.scripted.settings().value("export/reportHidden").toBool(), true);
    }

private:
    // Runs Export As… with Night Sky and `music` (which need not exist), saving to `file`.
    static void exportAs(EditorHarness& harness, const QString& file, const QString& music) {
        harness.scripted.fileAnswers = {harness.inAppDir(file)};
        if (!music.isEmpty())
            writeFile(harness.inAppDir(music), "RIFF");
        harness.run("mnuExportAsItem");
        auto* saver = visibleWindow<Saver>();
        QVERIFY(saver);
        saver->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        if (!music.isEmpty()) {
            auto* check = saver->findChild<QCheckBox*>("Check1");
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            clickRow(saver->findChild<QListWidget*>("File1"), 0);
        }
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed dialog
    }
};

QTEST_MAIN(MainEditorExportTest)
#include "MainEditorExportTest.moc"
