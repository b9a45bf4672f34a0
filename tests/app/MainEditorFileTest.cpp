// New, Open, Save, the start-up load and the close guard of the main window, with scripted
// dialogs and questions.
#include "ScriptedServices.h"
#include "app/MainEditor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

using norvane::SceneObject;
using Rows = std::vector<SceneObject>;

namespace {

const Rows kUnsavedRows{{"Tree", " 40.5", " 62.25", "0", "", ""},
                        {"Street", "10", "10", "30", "20", "http://example.com/"}};
const QByteArray kFileBytes = "Man\r\n 5\r\n 6\r\n1.57\r\nhttp://x/\r\n\r\n"
                              "Big Text\r\n 50\r\n 50\r\n0\r\n\r\nHello there\r\n";
const Rows kFileRows{{"Man", " 5", " 6", "1.57", "http://x/", ""},
                     {"Big Text", " 50", " 50", "0", "", "Hello there"}};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What the commands may change, to compare before and after.
struct State {
    QString title;
    bool saved;
    Rows rows;
    int listed;
    friend bool operator==(const State&, const State&) = default;
};

char* toString(const State& s) {
    return qstrdup(qPrintable(QStringLiteral("%1, Saved %2, %3 rows, %4 listed")
                                  .arg(s.title)
                                  .arg(s.saved)
                                  .arg(s.rows.size())
                                  .arg(s.listed)));
}

} // namespace

class MainEditorFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedServices> m_services;
    std::unique_ptr<MainEditor> m_editor;

    MainEditor& editor() { return *m_editor; }
    QString inAppDir(const QString& name) {
        return QDir(m_services->appDirectory()).filePath(name);
    }
    State state() {
        const auto rows = editor().scene().rows();
        return {editor().windowTitle(), editor().Saved, Rows(rows.begin(), rows.end()),
                editor().List2->count()};
    }
    void makeUnsaved() {
        for (const SceneObject& row : kUnsavedRows)
            editor().scene().append(row);
        editor().refreshSceneList();
        editor().Render2D();
        editor().Saved = false;
    }
    void run(const QString& command) {
        if (command.startsWith("Command"))
            QTest::mouseClick(editor().findChild<QPushButton*>(command), Qt::LeftButton);
        else
            editor().findChild<QAction*>(command)->trigger();
    }

private slots:
    void init() {
        m_services = std::make_unique<ScriptedServices>();
        m_editor = std::make_unique<MainEditor>(m_services->services());
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() {
        m_editor.reset();
        m_services.reset();
    }

    void startupLoad_data();
    void startupLoad();
    void newCommand_data();
    void newCommand();
    void openCommand_data();
    void openCommand();
    void saveCommand_data();
    void saveCommand();
    void saveRefusesALineBreakBeforeAsking();
    void savedSceneOpensAgainValueForValue();
    void closeGuard_data();
    void closeGuard();
};

void MainEditorFileTest::startupLoad_data() {
    QTest::addColumn<QString>("commandLine"); // %1 is the program directory
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("objects");
    QTest::addColumn<bool>("error");
    QTest::newRow("no command line") << ""
                                     << "Norvane (New)" << 0 << false;
    QTest::newRow("scene file") << "%1/street.NSC"
                                << "Norvane (%1/street.NSC)" << 2 << false;
    QTest::newRow("spaces in the path") << "%1/my street.NSC"
                                        << "Norvane (%1/my street.NSC)" << 2 << false;
    QTest::newRow("quoted") << "\"%1/my street.NSC\""
                            << "Norvane (%1/my street.NSC)" << 2 << false;
    QTest::newRow("lower case") << "%1/lower.nsc"
                                << "Norvane (%1/lower.nsc)" << 2 << false;
    QTest::newRow("NSC in a folder name") << "%1/NSC files/plain.txt"
                                          << "Norvane (%1/NSC files/plain.txt)" << 2 << false;
    QTest::newRow("not a scene file") << "%1/notes.txt"
                                      << "Norvane (New)" << 0 << false;
    QTest::newRow("missing file") << "%1/missing.NSC"
                                  << "Norvane (New)" << 0 << true;
    QTest::newRow("not whole objects") << "%1/broken.NSC"
                                       << "Norvane (New)" << 0 << true;
}

// Every start draws the map; a failed load is shown and starts with the new empty scene.
void MainEditorFileTest::startupLoad() {
    QFETCH(QString, commandLine);
    QFETCH(QString, title);
    QFETCH(int, objects);
    QFETCH(bool, error);
    const QString dir = m_services->appDirectory();
    QVERIFY(QDir(dir).mkdir("NSC files"));
    for (const char* name :
         {"street.NSC", "my street.NSC", "lower.nsc", "NSC files/plain.txt", "notes.txt"})
        writeFile(inAppDir(name), kFileBytes);
    writeFile(inAppDir("broken.NSC"), kFileBytes + "Tree\r\n");
    editor().Picture1->image().fill(Qt::black);

    editor().loadStartupScene(commandLine.arg(dir));

    QCOMPARE(editor().windowTitle(), title.arg(dir));
    QCOMPARE(int(editor().scene().count()), objects);
    QCOMPARE(editor().List2->count(), objects);
    QVERIFY(editor().Saved);
    QCOMPARE(m_services->messages.errors.size(), error ? 1 : 0);
    if (error)
        QVERIFY(m_services->messages.errors[0].contains(dir));
    QCOMPARE(QColor(editor().Picture1->image().pixel(1, 1)), QColor(0, 192, 0));
    QVERIFY(!editor().shpSelector->isVisible());
}

void MainEditorFileTest::newCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer"); // -1 not asked, 0 No, 1 Yes
    for (const char* command : {"Command3", "mnuNewItem"}) {
        QTest::addRow("%s, nothing unsaved", command) << command << false << -1;
        QTest::addRow("%s, unsaved, Yes", command) << command << true << 1;
        QTest::addRow("%s, unsaved, No", command) << command << true << 0;
    }
}

void MainEditorFileTest::newCommand() {
    QFETCH(QString, command);
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    if (unsaved)
        makeUnsaved();
    editor().setWindowTitle("Norvane (/old/path.NSC)");
    if (answer >= 0)
        m_services->messages.answers.push_back(answer == 1);
    const State before = state();

    run(command);

    QCOMPARE(m_services->messages.questions,
             answer >= 0 ? QStringList{"Erase unsaved data?"} : QStringList{});
    if (answer == 0) {
        QCOMPARE(state(), before);
        return;
    }
    QCOMPARE(state(), (State{"Norvane (New)", true, {}, 0}));
    QVERIFY(!editor().shpSelector->isVisible());
    QCOMPARE(QColor(editor().Picture1->image().pixel(1, 1)), QColor(0, 192, 0));
}

void MainEditorFileTest::openCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer");     // -1 not asked, 0 No, 1 Yes
    QTest::addColumn<QString>("chosen"); // "<cancel>", or a name in the program directory
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("error");
    for (const char* command : {"Command4", "mnuLoadItem"}) {
        QTest::addRow("%s, saved", command) << command << false << -1 << "a.NSC" << true << false;
        QTest::addRow("%s, unsaved, Yes", command)
            << command << true << 1 << "a.NSC" << true << false;
        QTest::addRow("%s, unsaved, No", command) << command << true << 0 << "" << false << false;
        QTest::addRow("%s, Yes, dialog cancelled", command)
            << command << true << 1 << "<cancel>" << false << false;
        QTest::addRow("%s, empty path", command) << command << false << -1 << "" << false << false;
        QTest::addRow("%s, missing file", command)
            << command << true << 1 << "gone.NSC" << false << true;
        QTest::addRow("%s, not whole objects", command)
            << command << false << -1 << "broken.NSC" << false << true;
        QTest::addRow("%s, empty file", command)
            << command << false << -1 << "empty.NSC" << true << false;
    }
}

// Open reads the whole file first; any failure leaves scene, Saved and title as they were.
void MainEditorFileTest::openCommand() {
    QFETCH(QString, command);
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, opens);
    QFETCH(bool, error);
    writeFile(inAppDir("a.NSC"), kFileBytes);
    writeFile(inAppDir("broken.NSC"), kFileBytes + "Tree\r\n");
    writeFile(inAppDir("empty.NSC"), "");
    if (unsaved)
        makeUnsaved();
    if (answer >= 0)
        m_services->messages.answers.push_back(answer == 1);
    if (answer != 0)
        m_services->files.answers.push_back(
            chosen == "<cancel>" ? std::nullopt
                                 : std::optional(chosen.isEmpty() ? "" : inAppDir(chosen)));
    const State before = state();

    run(command);

    QCOMPARE(m_services->messages.questions.size(), answer >= 0 ? 1 : 0);
    QCOMPARE(m_services->files.asked.size(), size_t(answer != 0));
    if (answer != 0) {
        QVERIFY(!m_services->files.asked[0].save);
        QCOMPARE(m_services->files.asked[0].directory, m_services->appDirectory());
        QCOMPARE(m_services->files.asked[0].filter, QString("Norvane Files (*.NSC)"));
    }
    QCOMPARE(m_services->messages.errors.size(), error ? 1 : 0);
    if (error)
        QVERIFY(m_services->messages.errors[0].contains(inAppDir(chosen)));
    if (!opens) {
        QCOMPARE(state(), before);
        return;
    }
    const Rows rows = chosen == "empty.NSC" ? Rows{} : kFileRows;
    QCOMPARE(state(), (State{"Norvane (" + inAppDir(chosen) + ")", true, rows, int(rows.size())}));
    QVERIFY(!editor().shpSelector->isVisible());
}

void MainEditorFileTest::saveCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<QString>("chosen"); // "<cancel>", or a name in the program directory
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("error");
    for (const char* command : {"Command6", "mnuSave2Item"}) {
        QTest::addRow("%s", command) << command << false << "out.NSC" << true << false;
        QTest::addRow("%s, empty scene", command) << command << true << "out.NSC" << true << false;
        QTest::addRow("%s, name without extension", command)
            << command << false << "out" << true << false;
        QTest::addRow("%s, dialog cancelled", command)
            << command << false << "<cancel>" << false << false;
        QTest::addRow("%s, empty path", command) << command << false << "" << false << false;
        QTest::addRow("%s, folder missing", command)
            << command << false << "no/out.NSC" << false << true;
    }
}

// Save writes the six values of every row with CR LF, replacing an earlier file; only a whole
// write changes the title and Saved.
void MainEditorFileTest::saveCommand() {
    QFETCH(QString, command);
    QFETCH(bool, empty);
    QFETCH(QString, chosen);
    QFETCH(bool, saves);
    QFETCH(bool, error);
    if (!empty)
        makeUnsaved();
    editor().Saved = false;
    writeFile(inAppDir("out.NSC"), "old\r\n");
    const QString path = chosen.isEmpty() ? QString() : inAppDir(chosen);
    m_services->files.answers.push_back(chosen == "<cancel>" ? std::nullopt : std::optional(path));
    const State before = state();

    run(command);

    QCOMPARE(m_services->files.asked.size(), size_t(1));
    QVERIFY(m_services->files.asked[0].save);
    QCOMPARE(m_services->files.asked[0].directory, m_services->appDirectory());
    QCOMPARE(m_services->files.asked[0].filter, QString("Norvane Files (*.NSC)"));
    QVERIFY(m_services->messages.questions.isEmpty());
    QCOMPARE(m_services->messages.errors.size(), error ? 1 : 0);
    if (error)
        QVERIFY(m_services->messages.errors[0].contains(path));
    if (!saves) {
        QCOMPARE(state(), before);
        QCOMPARE(fileBytes(inAppDir("out.NSC")), QByteArray("old\r\n"));
        return;
    }
    const QByteArray expected = empty ? QByteArray()
                                      : QByteArray("Tree\r\n 40.5\r\n 62.25\r\n0\r\n\r\n\r\n"
                                                   "Street\r\n10\r\n10\r\n30\r\n20\r\n"
                                                   "http://example.com/\r\n");
    QCOMPARE(fileBytes(path), expected);
    QCOMPARE(state(), (State{"Norvane (" + path + ")", true, before.rows, before.listed}));
}

void MainEditorFileTest::saveRefusesALineBreakBeforeAsking() {
    editor().scene().append({"Big Text", " 1", " 2", "0", "", "two\nlines"});
    editor().Saved = false;
    const State before = state();
    editor().mnuSave2Item->trigger();
    QVERIFY(m_services->files.asked.empty());
    QCOMPARE(m_services->messages.errors.size(), 1);
    QCOMPARE(state(), before);
}

void MainEditorFileTest::savedSceneOpensAgainValueForValue() {
    makeUnsaved();
    const QString path = inAppDir("round.NSC");
    m_services->files.answers = {path, path};
    editor().Command6->click();
    editor().Command3->click();
    QCOMPARE(editor().scene().count(), size_t(0));
    editor().Command4->click();
    QCOMPARE(state(), (State{"Norvane (" + path + ")", true, kUnsavedRows, 2}));
}

void MainEditorFileTest::closeGuard_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer"); // -1 not asked, 0 No, 1 Yes
    for (const char* how : {"Command2", "mnuExitItem", "close box"}) {
        QTest::addRow("%s, nothing unsaved", how) << how << false << -1;
        QTest::addRow("%s, unsaved, Yes", how) << how << true << 1;
        QTest::addRow("%s, unsaved, No", how) << how << true << 0;
    }
}

void MainEditorFileTest::closeGuard() {
    QFETCH(QString, how);
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    if (unsaved)
        makeUnsaved();
    if (answer >= 0)
        m_services->messages.answers.push_back(answer == 1);
    const State before = state();

    if (how == "close box")
        editor().close();
    else
        run(how);

    QCOMPARE(m_services->messages.questions.size(), answer >= 0 ? 1 : 0);
    QCOMPARE(editor().isVisible(), answer == 0);
    QCOMPARE(state(), before);
}

QTEST_MAIN(MainEditorFileTest)
#include "MainEditorFileTest.moc"
