// World Properties, preview, manual and About from the main window, with a scripted desktop.
#include "ScriptedServices.h"
#include "app/MainEditor.h"
#include "app/ManualPage.h"
#include "app/Saver.h"
#include "app/frmAbout.h"
#include "vrml/WorldWriter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

std::string fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Saver* openSaver() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* saver = qobject_cast<Saver*>(window); saver && saver->isVisible())
            return saver;
    return nullptr;
}

// Head, Blue Sky, ground: the fixed start of every preview.
const std::string kPreviewStart = "#VRML V2.0 utf8\r\nTransform {\r\nchildren [\r\nViewpoint {\r\n"
                                  "position 0 0.5 46\r\ndescription \"Starting Point \"\r\n}\r\n"
                                  "DirectionalLight {\r\ndirection 0 0 -1\r\n}\r\nBackground {\r\n"
                                  "skyColor [ 0.1 0.1 1, 0.3 0.3 1, 0.5 0.5 1, 0.7 0.7 1 ]\r\n"
                                  "skyAngle [ 0.5, 1, 1.57 ]\r\n}\r\nTransform {\r\n";

} // namespace

class MainEditorShellTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<MainEditor> m_editor;

    MainEditor& editor() { return *m_editor; }
    QString inAppDir(const QString& name) {
        return QDir(m_services->appDirectory()).filePath(name);
    }
    void startEditor(const Services& services) {
        m_editor = std::make_unique<MainEditor>(services);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
    }
    void placeAnchoredTree() {
        editor().scene().append({"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""});
        editor().refreshSceneList();
        editor().Saved = false;
    }

private slots:
    void init() {
        m_services = std::make_unique<ScriptedServices>();
        startEditor(m_services->services());
    }
    void cleanup() {
        m_editor.reset();
        m_services.reset();
    }

    void worldPropertiesExportsTheScene_data();
    void worldPropertiesExportsTheScene();
    void previewWritesTesterWrlAndOpensIt();
    void previewFailures_data();
    void previewFailures();
    void f1WritesTheSameManualEachTime();
    void manualThatCannotBeWrittenIsShown();
    void aboutOpensModalAndEscapeClosesIt();
};

void MainEditorShellTest::worldPropertiesExportsTheScene_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Save File to VRML button") << false;
    QTest::newRow("Save to VRML menu item") << true;
}

// The dialog disables the main window while open; "&OK" writes the editor's scene through
// FinalCode and leaves Saved alone.
void MainEditorShellTest::worldPropertiesExportsTheScene() {
    QFETCH(bool, fromMenu);
    placeAnchoredTree();
    if (fromMenu)
        editor().mnuSaveItem->trigger();
    else
        QTest::mouseClick(editor().Command1, Qt::LeftButton);
    QPointer<Saver> saver = openSaver();
    QVERIFY(saver);
    QVERIFY(!editor().isEnabled());
    saver->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
    const QString target = inAppDir("night.wrl");
    m_services->files.answers.push_back(target);
    QTest::mouseClick(saver->findChild<QPushButton*>("Command1"), Qt::LeftButton);

    norvane::WorldOptions night;
    night.sky = "Night Sky";
    QCOMPARE(fileBytes(target), norvane::buildWorld(editor().scene(), night));
    QCOMPARE(editor().FinalCode.text(), fileBytes(target));
    QVERIFY(!editor().Saved);
    QVERIFY(editor().isEnabled());
    QTRY_VERIFY(saver.isNull());
}

void MainEditorShellTest::previewWritesTesterWrlAndOpensIt() {
    placeAnchoredTree();
    writeFile(inAppDir("tester.wrl"), "an earlier preview");
    QTest::mouseClick(editor().Command7, Qt::LeftButton);

    const QString path = inAppDir("tester.wrl");
    const std::string written = fileBytes(path);
    QCOMPARE(written, norvane::buildPreviewWorld(editor().scene()));
    QCOMPARE(written.substr(0, kPreviewStart.size()), kPreviewStart);
    QVERIFY(written.find("Sound {") == std::string::npos);
    QVERIFY(written.find("target=") == std::string::npos);
    QVERIFY(written.ends_with("\r\n]\r\n}\r\n"));
    QCOMPARE(m_services->opener.opened, QStringList{path});
    QVERIFY(m_services->messages.errors.isEmpty());
    QVERIFY(!editor().Saved);
}

void MainEditorShellTest::previewFailures_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("opens");
    QTest::newRow("program directory missing") << "directory" << false;
    QTest::newRow("damaged scene") << "scene" << false;
    QTest::newRow("no application for worlds") << "opener" << true;
}

// Each failure is shown once, naming the file or the row, and nothing half-done is opened.
void MainEditorShellTest::previewFailures() {
    QFETCH(QString, failure);
    QFETCH(bool, opens);
    Services services = m_services->services();
    const QString directory = failure == "directory" ? inAppDir("missing") : services.appDirectory;
    startEditor({services.prompt, services.files, services.messages, services.opener, directory});
    if (failure == "scene")
        editor().scene().append({"Tree", "forty", " 62.25", "0", "", ""});
    m_services->opener.result = failure != "opener";

    editor().Command7_Click();

    const QString path = QDir(directory).filePath("tester.wrl");
    QCOMPARE(m_services->messages.errors.size(), 1);
    QVERIFY2(failure == "scene" || m_services->messages.errors[0].contains(path),
             qPrintable(m_services->messages.errors[0]));
    QCOMPARE(m_services->opener.opened.size(), opens ? 1 : 0);
    QCOMPARE(QFile::exists(path), opens);
}

// F1 writes Manual.htm byte for byte from txtManual, replacing whatever is there, and opens it.
void MainEditorShellTest::f1WritesTheSameManualEachTime() {
    const QString path = inAppDir("Manual.htm");
    QTest::keyClick(m_editor.get(), Qt::Key_F1);
    QCOMPARE(fileBytes(path), txtManual());
    writeFile(path, "changed meanwhile");
    QTest::keyClick(m_editor.get(), Qt::Key_F1);
    QCOMPARE(fileBytes(path), txtManual());
    QCOMPARE(m_services->opener.opened, QStringList({path, path}));
    QVERIFY(m_services->messages.errors.isEmpty());
}

void MainEditorShellTest::manualThatCannotBeWrittenIsShown() {
    QVERIFY(QDir(m_services->appDirectory()).mkdir("Manual.htm"));
    editor().mnuManualItem->trigger();
    QCOMPARE(m_services->messages.errors.size(), 1);
    QVERIFY(m_services->messages.errors[0].contains(inAppDir("Manual.htm")));
    QVERIFY(m_services->opener.opened.isEmpty());
}

void MainEditorShellTest::aboutOpensModalAndEscapeClosesIt() {
    QString title;
    QTimer::singleShot(0, this, [&] {
        frmAbout* about = nullptr;
        QTRY_VERIFY((about = qobject_cast<frmAbout*>(QApplication::activeModalWidget())));
        title = about->windowTitle();
        QTest::keyClick(about, Qt::Key_Escape);
    });
    editor().mnuAboutItem->trigger();
    QCOMPARE(title, QString("About Norvane"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(editor().findChildren<frmAbout*>().isEmpty());
}

QTEST_MAIN(MainEditorShellTest)
#include "MainEditorShellTest.moc"
