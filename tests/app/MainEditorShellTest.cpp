// World Properties, preview, manual and About from the main window, with a scripted desktop.
#include "EditorHarness.h"

#include "app/ManualPage.h"
#include "app/Saver.h"
#include "app/frmAbout.h"
#include "platform/SystemCalls.h"
#include "vrml/WorldWriter.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>

#include <cerrno>
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

// One step of the atomic writer made to fail, as the core's own test does it.
struct WriteFailure {
    const char* name;
    QString command; // "Saver": OK in World Properties; "F1": the manual key
    QString file;    // in the program directory, holding "old" before
    void (*breakStep)(norvane::SystemCalls&);
    QString reason;
};

const WriteFailure kWriteFailures[] = {
    {"Save, write", "Command6", "old.NSC",
     [](norvane::SystemCalls& c) {
         c.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
     },
     "No space left on device"},
    {"World Properties, rename", "Saver", "world.wrl",
     [](norvane::SystemCalls& c) {
         c.rename = [](const char*, const char*) { return errno = EIO, -1; };
     },
     "Input/output error"},
    {"preview, fsync", "Command7", "tester.wrl",
     [](norvane::SystemCalls& c) { c.fsync = [](int) { return errno = EIO, -1; }; },
     "Input/output error"},
    {"manual, create", "F1", "Manual.htm",
     [](norvane::SystemCalls& c) {
         c.open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
     },
     "Permission denied"},
};

// Puts the real system calls back when a test ends, however it ends.
struct RealCallsAtEnd {
    ~RealCallsAtEnd() { norvane::systemCalls() = norvane::realSystemCalls(); }
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

    // Every command that writes a file shows one message naming it and the reason, keeps the old
    // file and opens nothing.
    void writeFailuresKeepTheOldFile_data() { addCases(kWriteFailures); }
    void writeFailuresKeepTheOldFile() {
        const WriteFailure& c = fetchCase<WriteFailure>();
        const QString path = h->inAppDir(c.file);
        writeFile(path, "old");
        h->fill({kAnchoredTree});
        const RealCallsAtEnd restore;
        c.breakStep(norvane::systemCalls());
        if (c.command == "F1") {
            QTest::keyClick(&editor(), Qt::Key_F1);
        } else if (c.command == "Saver") {
            h->run("Command1");
            scripted().files.answers.push_back(path);
            QTest::mouseClick(visibleWindow<Saver>()->findChild<QPushButton*>("Command1"),
                              Qt::LeftButton);
        } else {
            scripted().files.answers.push_back(path);
            h->run(c.command);
        }
        QCOMPARE(scripted().messages.errors, QStringList{"Cannot write " + path + ": " + c.reason});
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QCOMPARE(QDir(scripted().appDirectory()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(scripted().opener.opened.isEmpty());
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
