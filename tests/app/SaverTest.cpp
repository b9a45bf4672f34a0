// The World Properties dialog on its own, over a plain main window, with scripted dialogs.
#include "app/Saver.h"
#include "ScriptedServices.h"
#include "UiHelpers.h"

#include "platform/TextBuffer.h"
#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <memory>

namespace {

struct Export {
    const char* name;
    int sky;
    bool music;
    int musicRow; // -1: none selected
    QString frame, expectedMusic;
};

const Export kExports[] = {
    {"at once: Blue Sky, no sound, no anchor parameter", 0, false, -1, "", ""},
    {"Night Sky", 1, false, -1, "", ""},
    {"music on with a file", 0, true, 1, "", "b.wav"},
    {"music file named in UTF-8", 0, true, 2, "", "\u00e9t\u00e9.wav"},
    {"music on, nothing selected: no sound", 0, true, -1, "", ""},
    {"music selected, then box cleared: no sound", 0, false, 0, "", ""},
    {"target frame with spaces", 0, false, -1, " main frame ", ""},
    {"target frame in UTF-8", 1, false, -1, "cadre \u00e9t\u00e9", ""},
};

// Ways to leave the dialog without a new world; `chosen` answers the Save dialog of "OK":
// "<cancel>", "" or a name in the program directory.
struct Closing {
    const char* name;
    QString how, chosen;
    bool error;
};

const Closing kClosings[] = {
    {"Cancel", "Command2", "", false},
    {"close box", "close", "", false},
    {"Escape", "Escape", "", false},
    {"OK, Save dialog cancelled", "Command1", "<cancel>", false},
    {"OK, empty path", "Command1", "", false},
    {"OK, folder missing", "Command1", "missing/world.wrl", true},
};

} // namespace

class SaverTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_scripted;
    std::unique_ptr<QWidget> m_main;
    norvane::Scene m_scene;
    norvane::TextBuffer m_finalCode;
    QPointer<Saver> m_saver;

    void openSaver() {
        m_saver = new Saver(m_main.get(), m_scene, m_finalCode, m_scripted->services());
        m_saver->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_saver));
    }
    template <typename T> T* control(const QString& name) { return m_saver->findChild<T*>(name); }
    void pressOk() { QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton); }

private slots:
    void init() {
        m_scripted = std::make_unique<ScriptedServices>();
        m_main = std::make_unique<QWidget>();
        m_main->resize(640, 480);
        m_main->show();
        m_scene.clear();
        m_scene.append({"Tree", " 40.5", " 62.25", "0", "http://example.com/", ""});
        m_scene.append({"Street", "10", "10", "30", "20", ""});
        m_finalCode.setText("");
    }
    void cleanup() {
        delete m_saver;
        m_main.reset();
        m_scripted.reset();
    }

    // Every opening starts from Blue Sky, an empty frame and no music.
    void showsItsControlsInTheirFirstState() {
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

    void listsTheMusicFilesOfTheProgramDirectory() {
        for (const char* name : {"b.wav", "A.WAV", "song.wave", "x.wav.bak", "notes.txt",
                                 ".hidden.wav", "wav", "tune.mp3"})
            writeFile(m_scripted->inAppDir(name), "RIFF");
        QVERIFY(QDir(m_scripted->appDirectory()).mkdir("folder.wav"));
        openSaver();
        auto* list = control<QListWidget>("File1");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        QCOMPARE(names, QStringList({"A.WAV", "b.wav", "song.wave", "x.wav.bak"}));
        QCOMPARE(list->selectedItems().size(), 0);
    }

    void musicListFollowsTheCheckBox() {
        openSaver();
        auto* check = control<QCheckBox>("Check1");
        for (bool ticked : {true, false}) {
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            QCOMPARE(check->isChecked(), ticked);
            QCOMPARE(control<QListWidget>("File1")->isVisible(), ticked);
        }
    }

    void exportsWithTheChosenOptions_data() { addCases(kExports); }
    void exportsWithTheChosenOptions() {
        const Export& c = fetchCase<Export>();
        writeFile(m_scripted->inAppDir("a.wav"), "RIFF");
        writeFile(m_scripted->inAppDir("b.wav"), "RIFF");
        writeFile(m_scripted->inAppDir("\u00e9t\u00e9.wav"), "RIFF");
        openSaver();
        control<QComboBox>("Combo1")->setCurrentIndex(c.sky);
        control<QCheckBox>("Check1")->setChecked(c.musicRow >= 0 || c.music);
        if (c.musicRow >= 0)
            control<QListWidget>("File1")->setCurrentRow(c.musicRow);
        control<QCheckBox>("Check1")->setChecked(c.music);
        typeText(control<QLineEdit>("Text1"), c.frame);
        const QString target = m_scripted->inAppDir("my world.wrl");
        m_scripted->files.answers.push_back(target);

        pressOk();

        QCOMPARE(m_scripted->files.asked.size(), 1u);
        QVERIFY(m_scripted->files.asked[0].save);
        QCOMPARE(m_scripted->files.asked[0].directory, m_scripted->appDirectory());
        QCOMPARE(m_scripted->files.asked[0].filter, QString("VRML 2.0 Files (*.wrl)"));
        const norvane::WorldOptions expected{c.sky == 0 ? "Blue Sky" : "Night Sky",
                                             c.expectedMusic.toStdString(), c.frame.toStdString()};
        const std::string written = fileBytes(target).toStdString();
        QCOMPARE(written, norvane::buildWorld(m_scene, expected));
        QCOMPARE(written.find("Sound {") != std::string::npos, !c.expectedMusic.isEmpty());
        QCOMPARE(written.find("target=") != std::string::npos, !c.frame.isEmpty());
        QCOMPARE(m_finalCode.text(), written);
        QVERIFY(m_main->isEnabled());
        QTRY_VERIFY(m_saver.isNull());
    }

    // The main window is disabled while the dialog is open; leaving it without a whole write
    // keeps an existing world file as it was.
    void closingWithoutANewWorld_data() { addCases(kClosings); }
    void closingWithoutANewWorld() {
        const Closing& c = fetchCase<Closing>();
        const QString existing = m_scripted->inAppDir("world.wrl");
        writeFile(existing, "old world\r\n");
        openSaver();
        QVERIFY(!m_main->isEnabled());
        QVERIFY(m_saver->isEnabled());
        QVERIFY(m_saver->isModal() || m_saver->windowModality() == Qt::WindowModal);
        const QString target = c.chosen.isEmpty() ? "" : m_scripted->inAppDir(c.chosen);
        if (c.how == "Command1")
            m_scripted->files.answers.push_back(c.chosen == "<cancel>" ? std::nullopt
                                                                       : std::optional(target));
        if (c.how == "close")
            m_saver->close();
        else if (c.how == "Escape")
            QTest::keyClick(m_saver, Qt::Key_Escape);
        else
            QTest::mouseClick(control<QPushButton>(c.how), Qt::LeftButton);

        QVERIFY(m_main->isEnabled());
        QTRY_VERIFY(m_saver.isNull());
        QCOMPARE(m_scripted->messages.errors.size(), c.error ? 1 : 0);
        if (c.error)
            QVERIFY2(m_scripted->messages.errors[0].contains(target),
                     qPrintable(m_scripted->messages.errors[0]));
        QCOMPARE(fileBytes(existing), QByteArray("old world\r\n"));
        QCOMPARE(QDir(m_scripted->appDirectory()).entryList(QDir::Files), QStringList{"world.wrl"});
        if (!c.error)
            QCOMPARE(m_finalCode.text(), std::string());
    }

    void goesWithTheMainWindow() {
        openSaver();
        m_main.reset();
        QVERIFY(m_saver.isNull());
    }
};

QTEST_MAIN(SaverTest)
#include "SaverTest.moc"
