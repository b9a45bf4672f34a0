#include "app/Saver.h"
#include "ScriptedServices.h"
#include "platform/AtomicFile.h"
#include "platform/TextBuffer.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

using norvane::Scene;
using norvane::SceneObject;

namespace {

std::string fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Scene anchoredScene() {
    Scene scene;
    scene.append(SceneObject{"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""});
    scene.append(SceneObject{"Street", "10", "10", "30", "20", ""});
    return scene;
}

} // namespace

class SaverTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsItsControlsInTheirFirstState();
    void listsTheMusicFilesOfTheProgramDirectory();
    void musicListFollowsTheCheckBox();
    void disablesTheMainWindowWhileOpen_data();
    void disablesTheMainWindowWhileOpen();
    void exportsWithTheChosenOptions_data();
    void exportsWithTheChosenOptions();
    void cancelledSaveDialogKeepsAnExistingFile_data();
    void cancelledSaveDialogKeepsAnExistingFile();
    void writeFailureIsShownAndTheDialogCloses();
    void goesWithTheMainWindow();

private:
    void openSaver();
    template <typename T> T* control(const char* name) {
        return m_saver->findChild<T*>(QString::fromLatin1(name));
    }
    void pressOk() { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }

    std::unique_ptr<ScriptedServices> m_scripted;
    std::unique_ptr<QWidget> m_main;
    Scene m_scene;
    norvane::TextBuffer m_finalCode;
    QPointer<Saver> m_saver;
};

void SaverTest::init() {
    m_scripted = std::make_unique<ScriptedServices>();
    m_main = std::make_unique<QWidget>();
    m_main->resize(640, 480);
    m_main->show();
    m_scene = anchoredScene();
    m_finalCode.setText("");
}

void SaverTest::cleanup() {
    delete m_saver;
    m_main.reset();
    m_scripted.reset();
}

void SaverTest::openSaver() {
    m_saver = new Saver(m_main.get(), m_scene, m_finalCode, m_scripted->services());
    m_saver->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_saver));
}

// Every opening starts from Blue Sky, an empty frame and no music.
void SaverTest::showsItsControlsInTheirFirstState() {
    openSaver();
    QCOMPARE(m_saver->windowTitle(), QString(20, QLatin1Char(' ')) + "World Properties");
    auto* combo = control<QComboBox>("Combo1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QString("Night Sky"));
    QCOMPARE(combo->currentText(), QString("Blue Sky"));
    QVERIFY(!combo->isEditable());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());
    QVERIFY(control<QListWidget>("File1")->isHidden());
}

void SaverTest::listsTheMusicFilesOfTheProgramDirectory() {
    const QDir dir(m_scripted->appDirectory());
    for (const char* name : {"b.wav", "A.WAV", "song.wave", "x.wav.bak", "notes.txt", ".hidden.wav",
                             "wav", "tune.mp3"})
        writeBytes(dir.filePath(name), "RIFF");
    QVERIFY(dir.mkdir("folder.wav"));
    openSaver();
    auto* list = control<QListWidget>("File1");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    QCOMPARE(names, QStringList({"A.WAV", "b.wav", "song.wave", "x.wav.bak"}));
    QCOMPARE(list->selectedItems().size(), 0);
}

void SaverTest::musicListFollowsTheCheckBox() {
    openSaver();
    auto* check = control<QCheckBox>("Check1");
    auto* list = control<QListWidget>("File1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QVERIFY(check->isChecked());
    QVERIFY(list->isVisible());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QVERIFY(!check->isChecked());
    QVERIFY(!list->isVisible());
}

void SaverTest::disablesTheMainWindowWhileOpen_data() {
    QTest::addColumn<QString>("closing");
    QTest::newRow("Cancel") << "Command2";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("OK, Save dialog cancelled") << "Command1";
}

void SaverTest::disablesTheMainWindowWhileOpen() {
    QFETCH(QString, closing);
    openSaver();
    QVERIFY(!m_main->isEnabled());
    QVERIFY(m_saver->isEnabled());
    QVERIFY(m_saver->isModal() || m_saver->windowModality() == Qt::WindowModal);
    m_scripted->files.answers.push_back(std::nullopt);
    if (closing == "close")
        m_saver->close();
    else if (closing == "Escape")
        QTest::keyClick(m_saver, Qt::Key_Escape);
    else
        QTest::mouseClick(control<QPushButton>(closing.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(m_main->isEnabled());
    QTRY_VERIFY(m_saver.isNull());
    QVERIFY(m_scripted->messages.errors.isEmpty());
    QVERIFY(QDir(m_scripted->appDirectory()).entryList(QDir::Files).isEmpty());
}

void SaverTest::exportsWithTheChosenOptions_data() {
    QTest::addColumn<int>("sky");
    QTest::addColumn<bool>("music");
    QTest::addColumn<int>("musicRow");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("expectedMusic");
    QTest::addColumn<QByteArray>("expectedPiece");

    QTest::newRow("at once: Blue Sky, no sound, no anchor parameter")
        << 0 << false << -1 << ""
        << "" << QByteArray("url \"http://example.com/\"\r\n");
    QTest::newRow("Night Sky") << 1 << false << -1 << ""
                               << "" << QByteArray("}\r\nBackground {\r\nskyColor [ 0.1 0.1 0.2, ");
    QTest::newRow("music on with a file")
        << 0 << true << 1 << ""
        << "b.wav"
        << QByteArray("}\r\nSound {\r\nsource AudioClip {\r\nurl \"b.wav\"\r\nstopTime -1\r\n");
    QTest::newRow("music on, nothing selected: no sound")
        << 0 << true << -1 << ""
        << "" << QByteArray("}\r\nTransform {\r\ntranslation 0 -0.25");
    QTest::newRow("music selected, then box cleared: no sound")
        << 0 << false << 0 << ""
        << "" << QByteArray("}\r\nTransform {\r\ntranslation 0 -0.25");
    QTest::newRow("target frame with spaces")
        << 0 << false << -1 << " main frame "
        << "" << QByteArray("\r\nparameter [\"target= main frame \"]\r\n");
}

void SaverTest::exportsWithTheChosenOptions() {
    QFETCH(int, sky);
    QFETCH(bool, music);
    QFETCH(int, musicRow);
    QFETCH(QString, frame);
    QFETCH(QString, expectedMusic);
    QFETCH(QByteArray, expectedPiece);
    writeBytes(QDir(m_scripted->appDirectory()).filePath("a.wav"), "RIFF");
    writeBytes(QDir(m_scripted->appDirectory()).filePath("b.wav"), "RIFF");
    openSaver();
    control<QComboBox>("Combo1")->setCurrentIndex(sky);
    control<QCheckBox>("Check1")->setChecked(musicRow >= 0 || music);
    if (musicRow >= 0)
        control<QListWidget>("File1")->setCurrentRow(musicRow);
    control<QCheckBox>("Check1")->setChecked(music);
    QTest::keyClicks(control<QLineEdit>("Text1"), frame);
    const QString target = QDir(m_scripted->appDirectory()).filePath("my world.wrl");
    m_scripted->files.answers.push_back(target);

    pressOk();

    QCOMPARE(m_scripted->files.asked.size(), size_t(1));
    QVERIFY(m_scripted->files.asked[0].save);
    QCOMPARE(m_scripted->files.asked[0].directory, m_scripted->appDirectory());
    QCOMPARE(m_scripted->files.asked[0].filter, QString("VRML 2.0 Files (*.wrl)"));
    norvane::WorldOptions expected;
    expected.sky = sky == 0 ? "Blue Sky" : "Night Sky";
    expected.musicFile = expectedMusic.toStdString();
    expected.targetFrame = frame.toStdString();
    const std::string written = fileBytes(target);
    QCOMPARE(written, norvane::buildWorld(m_scene, expected));
    QVERIFY2(written.find(expectedPiece.toStdString()) != std::string::npos, written.c_str());
    QCOMPARE(written.find("Sound {") != std::string::npos, !expectedMusic.isEmpty());
    QCOMPARE(written.find("target=") != std::string::npos, !frame.isEmpty());
    QCOMPARE(m_finalCode.text(), written);
    QVERIFY(m_main->isEnabled());
    QTRY_VERIFY(m_saver.isNull());
}

void SaverTest::cancelledSaveDialogKeepsAnExistingFile_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("empty path") << false;
}

void SaverTest::cancelledSaveDialogKeepsAnExistingFile() {
    QFETCH(bool, cancel);
    const QString existing = QDir(m_scripted->appDirectory()).filePath("world.wrl");
    writeBytes(existing, "old world\r\n");
    openSaver();
    m_scripted->files.answers.push_back(cancel ? std::nullopt : std::optional<QString>(""));
    pressOk();
    QCOMPARE(fileBytes(existing), std::string("old world\r\n"));
    QCOMPARE(m_finalCode.text(), std::string());
    QVERIFY(m_scripted->messages.errors.isEmpty());
    QVERIFY(m_main->isEnabled());
    QTRY_VERIFY(m_saver.isNull());
}

void SaverTest::writeFailureIsShownAndTheDialogCloses() {
    const QString target = QDir(m_scripted->appDirectory()).filePath("missing/world.wrl");
    openSaver();
    m_scripted->files.answers.push_back(target);
    pressOk();
    QCOMPARE(m_scripted->messages.errors.size(), 1);
    QVERIFY2(m_scripted->messages.errors[0].contains(target),
             qPrintable(m_scripted->messages.errors[0]));
    QVERIFY(!QFile::exists(target));
    QVERIFY(m_main->isEnabled());
    QTRY_VERIFY(m_saver.isNull());
}

void SaverTest::goesWithTheMainWindow() {
    openSaver();
    m_main.reset();
    QVERIFY(m_saver.isNull());
}

QTEST_MAIN(SaverTest)
#include "SaverTest.moc"
