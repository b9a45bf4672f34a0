// World Properties, preview, manual and About from the main window, with a scripted desktop.
#include "EditorHarness.h"

#include "app/ManualPage.h"
#include "app/Saver.h"
#include "app/frmAbout.h"
#include "vrml/WorldWriter.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>

#include <memory>

namespace {

const norvane::SceneObject kAnchoredTree{"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""};

struct Failure {
    const char* name;
    QString command, appFolder; // appFolder "": the scripted program directory
    QString file;               // the file the command writes
    bool damagedScene, openerWorks;
    bool errorNamesFile, opens;
};

const Failure kFailures[] = {
    {"preview, program directory missing", "Command7", "missing", "tester.wrl", false, true, true,
     false},
    {"preview, damaged scene", "Command7", "", "tester.wrl", true, true, false, false},
    {"preview, no application for worlds", "Command7", "", "tester.wrl", false, false, true, true},
    {"manual, Manual.htm is a folder", "mnuManualItem", "", "Manual.htm", false, true, true, false},
};

} // namespace

class MainEditorShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;
    MainEditor& editor() { return h->editor; }
    ScriptedServices& scripted() { return h->scripted; }

private slots:
    void init() { h = std::make_unique<EditorHarness>(); }
    void cleanup() { h.reset(); }

    void worldPropertiesExportsTheScene_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Save File to VRML button") << "Command1";
        QTest::newRow("Save to VRML menu item") << "mnuSaveItem";
    }
    // The dialog disables the main window while open; "&OK" writes the editor's scene through
    // FinalCode and leaves Saved alone.
    void worldPropertiesExportsTheScene() {
        QFETCH(QString, command);
        h->fill({kAnchoredTree});
        h->run(command);
        QPointer<Saver> saver = visibleWindow<Saver>();
        QVERIFY(saver);
        QVERIFY(!editor().isEnabled());
        saver->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        const QString target = h->inAppDir("night.wrl");
        scripted().files.answers.push_back(target);
        QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);

        norvane::WorldOptions night;
        night.sky = "Night Sky";
        const QByteArray written = fileBytes(target);
        QCOMPARE(written.toStdString(), norvane::buildWorld(editor().scene(), night));
        QCOMPARE(editor().FinalCode.text(), written.toStdString());
        QVERIFY(!editor().Saved);
        QVERIFY(editor().isEnabled());
        QTRY_VERIFY(saver.isNull());
    }

    // Preview replaces tester.wrl in the program directory and hands it to the desktop.
    void previewWritesTesterWrlAndOpensIt() {
        h->fill({kAnchoredTree});
        const QString path = h->inAppDir("tester.wrl");
        writeFile(path, "an earlier preview");
        QTest::mouseClick(editor().Command7, Qt::LeftButton);
        QCOMPARE(fileBytes(path).toStdString(), norvane::buildPreviewWorld(editor().scene()));
        QCOMPARE(scripted().opener.opened, QStringList{path});
        QVERIFY(scripted().messages.errors.isEmpty());
        QVERIFY(!editor().Saved);
    }

    // Each failure is shown once, naming the file or the row, and nothing half-done is opened.
    void failures_data() { addCases(kFailures); }
    void failures() {
        const Failure& c = fetchCase<Failure>();
        h = std::make_unique<EditorHarness>(c.appFolder);
        if (c.damagedScene)
            editor().scene().append({"Tree", "forty", " 62.25", "0", "", ""});
        if (c.file == "Manual.htm")
            QVERIFY(QDir(scripted().appDirectory()).mkdir(c.file));
        scripted().opener.result = c.openerWorks;

        h->run(c.command);

        const QString path = QDir(scripted().inAppDir(c.appFolder)).filePath(c.file);
        QCOMPARE(scripted().messages.errors.size(), 1);
        QVERIFY2(!c.errorNamesFile || scripted().messages.errors[0].contains(path),
                 qPrintable(scripted().messages.errors[0]));
        QCOMPARE(scripted().opener.opened.size(), c.opens ? 1 : 0);
        QCOMPARE(QFileInfo(path).isFile(), c.opens);
    }

    // F1 writes Manual.htm byte for byte from txtManual, replacing whatever is there, and opens it.
    void f1WritesTheSameManualEachTime() {
        const QString path = h->inAppDir("Manual.htm");
        QTest::keyClick(&editor(), Qt::Key_F1);
        QCOMPARE(fileBytes(path).toStdString(), txtManual());
        writeFile(path, "changed meanwhile");
        QTest::keyClick(&editor(), Qt::Key_F1);
        QCOMPARE(fileBytes(path).toStdString(), txtManual());
        QCOMPARE(scripted().opener.opened, QStringList({path, path}));
        QVERIFY(scripted().messages.errors.isEmpty());
    }

    void aboutOpensModalAndEscapeClosesIt() {
        QString title;
        whenModal<frmAbout>([&title](frmAbout* about) {
            title = about->windowTitle();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        editor().mnuAboutItem->trigger();
        QCOMPARE(title, QString("About Norvane"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(editor().findChildren<frmAbout*>().isEmpty());
    }
};

QTEST_MAIN(MainEditorShellTest)
#include "MainEditorShellTest.moc"
