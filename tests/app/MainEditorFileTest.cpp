// New, Open, Save, the start-up load and the close guard of the main window, with scripted
// dialogs and questions.
#include "EditorHarness.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <sys/stat.h>

#include <memory>

namespace {

const std::vector<norvane::SceneObject> kUnsaved{
    {"Tree", " 40.5", " 62.25", "0", "", ""},
    {"Street", "10", "10", "30", "20", "http://example.com/"}};
const QByteArray kUnsavedBytes = "Tree\r\n 40.5\r\n 62.25\r\n0\r\n\r\n\r\n"
                                 "Street\r\n10\r\n10\r\n30\r\n20\r\nhttp://example.com/\r\n";
const QByteArray kFileBytes = "Fred\r\n 5\r\n 6\r\n1.57\r\nhttp://x/\r\n\r\n"
                              "Text (Big)\r\n 50\r\n 50\r\n0\r\n\r\nHello there\r\n";
const QList<Row> kFileRows{{"Fred", " 5", " 6", "1.57", "http://x/", ""},
                           {"Text (Big)", " 50", " 50", "0", "", "Hello there"}};
// Kinds that differ from known ones only in case or a trailing space: kept, but never drawn.
const QByteArray kOddBytes = "tree\r\n 5\r\n 6\r\n0\r\n\r\n\r\nTree \r\n 7\r\n 8\r\n0\r\n\r\n\r\n";
const QList<Row> kOddRows{{"tree", " 5", " 6", "0", "", ""}, {"Tree ", " 7", " 8", "0", "", ""}};
const QString kFilter = "Norvane Files (*.NSC)";
const QColor kGreen(0, 192, 0);

// What the commands may change, to compare before and after.
struct State {
    QString title;
    bool saved;
    QList<Row> rows;
    int listed;
    friend bool operator==(const State&, const State&) = default;
};

char* toString(const State& s) {
    QStringList rows;
    for (const Row& row : s.rows)
        rows << row.join('|');
    return qstrdup(qPrintable(QStringLiteral("%1, Saved %2, rows (%3), %4 listed")
                                  .arg(s.title)
                                  .arg(s.saved)
                                  .arg(rows.join("; "))
                                  .arg(s.listed)));
}

struct Startup {
    const char* name;
    QString commandLine; // %1 is the program directory
    QString title;
    int objects;
    bool error;
};

const Startup kStartups[] = {
    {"no command line", "", "Norvane (New)", 0, false},
    {"quoted path with a space", "\"%1/my street.NSC\"", "Norvane (%1/my street.NSC)", 2, false},
    {"not a scene file", "%1/notes.txt", "Norvane (New)", 0, false},
    {"missing file", "%1/missing.NSC", "Norvane (New)", 0, true},
    {"not whole objects", "%1/broken.NSC", "Norvane (New)", 0, true},
};

// New, Exit and the close box ask before they drop unsaved data; -1 not asked, 0 No, 1 Yes.
struct Guard {
    const char* name;
    bool unsaved;
    int answer;
    const char* command;
};

const Guard kGuards[] = {{"nothing unsaved", false, -1, ""},
                         {"unsaved, Yes", true, 1, ""},
                         {"unsaved, No", true, 0, ""}};

struct Open {
    const char* name;
    bool unsaved;
    int answer;     // -1 not asked, 0 No, 1 Yes
    QString chosen; // "<cancel>", or a name in the program directory
    bool opens, error;
    QString says; // what the one error says besides the path
    const char* command;
};

const Open kOpens[] = {
    {"saved", false, -1, "a.NSC", true, false, "", ""},
    {"unsaved, Yes", true, 1, "a.NSC", true, false, "", ""},
    {"unsaved, No", true, 0, "", false, false, "", ""},
    {"Yes, dialog cancelled", true, 1, "<cancel>", false, false, "", ""},
    {"empty path", false, -1, "", false, false, "", ""},
    {"missing file", true, 1, "gone.NSC", false, true, ": No such file or directory", ""},
    {"not whole objects", false, -1, "broken.NSC", false, true,
     ": The scene file ends in the middle of an object: 13 lines is not a multiple of 6", ""},
    {"empty file", false, -1, "empty.NSC", true, false, "", ""},
    {"name in UTF-8", false, -1, "Stra\u00dfe caf\u00e9.NSC", true, false, "", ""},
    {"JPEG renamed", false, -1, "photo.NSC", false, true, ": it is not a Norvane scene file", ""},
    {"FIFO without a writer", false, -1, "fifo.NSC", false, true, ": not a regular file", ""},
    {"CR-only line ends", false, -1, "cr.NSC", false, true,
     ": The scene file ends in the middle of an object: 1 line is not a multiple of 6 (lines ended "
     "by CR alone are not supported; use CR LF or LF)",
     ""},
    {"byte order mark", false, -1, "bom.NSC", true, false, "", ""},
    {"kinds off by case or space", false, -1, "odd.NSC", true, true,
     " has 2 problems; its objects are kept as read:\n"
     "line 1, row 1: Unknown object kind \"tree\"\n"
     "line 7, row 2: Unknown object kind \"Tree \"",
     ""},
};

struct Save {
    const char* name;
    bool empty;
    QString chosen; // "<cancel>", or a name in the program directory
    bool saves, error;
    const char* command;
};

const Save kSaves[] = {
    {"two rows", false, "out.NSC", true, false, ""},
    {"empty scene", true, "out.NSC", true, false, ""},
    {"name without extension", false, "out", true, false, ""},
    {"name in UTF-8", false, "\u00e9t\u00e9.NSC", true, false, ""},
    {"dialog cancelled", false, "<cancel>", false, false, ""},
    {"empty path", false, "", false, false, ""},
    {"folder missing", false, "no/out.NSC", false, true, ""},
};

} // namespace

class MainEditorFileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorHarness> h;
    MainEditor& editor() { return h->editor; }
    ScriptedServices& scripted() { return h->scripted; }
    State state() {
        return {editor().windowTitle(), editor().Saved, h->rows(), editor().List2->count()};
    }
    void answer(int yesNo) {
        if (yesNo >= 0)
            scripted().messages.answers.push_back(yesNo == 1);
    }
    void checkAsked(bool save) {
        QCOMPARE(scripted().files.asked.size(), 1u);
        QCOMPARE(scripted().files.asked[0].save, save);
        QCOMPARE(scripted().files.asked[0].directory, scripted().appDirectory());
        QCOMPARE(scripted().files.asked[0].filter, kFilter);
    }
    void checkErrors(bool error, const QString& naming) {
        QCOMPARE(scripted().messages.errors.size(), error ? 1 : 0);
        if (error)
            QVERIFY2(scripted().messages.errors[0].contains(naming),
                     qPrintable(scripted().messages.errors[0]));
    }
    QList<Row> rowsOf(const QString& chosen) {
        if (chosen == "empty.NSC")
            return {};
        return chosen == "odd.NSC" ? kOddRows : kFileRows;
    }

private slots:
    void init() {
        h = std::make_unique<EditorHarness>();
        writeFile(h->inAppDir("a.NSC"), kFileBytes);
        writeFile(h->inAppDir("my street.NSC"), kFileBytes);
        writeFile(h->inAppDir("Stra\u00dfe caf\u00e9.NSC"), kFileBytes);
        writeFile(h->inAppDir("notes.txt"), kFileBytes);
        writeFile(h->inAppDir("broken.NSC"), kFileBytes + "Tree\r\n");
        writeFile(h->inAppDir("empty.NSC"), "");
        writeFile(h->inAppDir("photo.NSC"), QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11));
        QVERIFY(mkfifo(QFile::encodeName(h->inAppDir("fifo.NSC")).constData(), 0600) == 0);
        writeFile(h->inAppDir("cr.NSC"), "Tree\r 5\r 6\r0\r\r\r");
        writeFile(h->inAppDir("bom.NSC"), "\xEF\xBB\xBF" + kFileBytes);
        writeFile(h->inAppDir("odd.NSC"), kOddBytes);
    }
    void cleanup() { h.reset(); }

    // Every start draws the map; a failed load is shown and starts with the new empty scene.
    void startupLoad_data() { addCases(kStartups); }
    void startupLoad() {
        const Startup& c = fetchCase<Startup>();
        const QString dir = scripted().appDirectory();
        editor().Picture1->image().fill(Qt::black);

        editor().loadStartupScene(QString(c.commandLine).replace("%1", dir));

        QCOMPARE(state(), (State{QString(c.title).replace("%1", dir), true,
                                 c.objects ? kFileRows : QList<Row>{}, c.objects}));
        checkErrors(c.error, dir);
        QCOMPARE(h->colourAt(QPoint(1, 1)), kGreen);
        QVERIFY(!editor().shpSelector->isVisible());
    }

    // With Yes, or nothing unsaved, New starts afresh and Exit or the close box close the window;
    // No keeps everything as it was.
    void guardedCommands_data() {
        addCasesPerCommand(kGuards,
                           {"Command3", "mnuNewItem", "Command2", "mnuExitItem", "close box"});
    }
    void guardedCommands() {
        const Guard& c = fetchCase<Guard>();
        const bool isNew = QString(c.command).contains("New") || QString(c.command) == "Command3";
        if (c.unsaved)
            h->fill(kUnsaved);
        editor().setWindowTitle("Norvane (/old/path.NSC)");
        answer(c.answer);
        const State before = state();

        h->run(c.command);

        QCOMPARE(scripted().messages.questions,
                 c.answer >= 0 ? QStringList{"Erase unsaved data?"} : QStringList{});
        QCOMPARE(editor().isVisible(), isNew || c.answer == 0);
        if (!isNew || c.answer == 0) {
            QCOMPARE(state(), before);
            return;
        }
        QCOMPARE(state(), (State{"Norvane (New)", true, {}, 0}));
        QVERIFY(!editor().shpSelector->isVisible());
        QCOMPARE(h->colourAt(QPoint(1, 1)), kGreen);
        QVERIFY(h->colourAt(h->pixelOf(50, 96)) != kGreen); // the start marker
    }

    // Open reads the whole file first; any failure leaves scene, Saved and title as they were.
    void openCommand_data() { addCasesPerCommand(kOpens, {"Command4", "mnuLoadItem"}); }
    void openCommand() {
        const Open& c = fetchCase<Open>();
        if (c.unsaved)
            h->fill(kUnsaved);
        answer(c.answer);
        if (c.answer != 0)
            scripted().files.answers.push_back(
                c.chosen == "<cancel>"
                    ? std::nullopt
                    : std::optional(c.chosen.isEmpty() ? "" : h->inAppDir(c.chosen)));
        const State before = state();

        h->run(c.command);

        QCOMPARE(scripted().messages.questions.size(), c.answer >= 0 ? 1 : 0);
        if (c.answer != 0)
            checkAsked(false);
        checkErrors(c.error, h->inAppDir(c.chosen) + c.says);
        QVERIFY(!QApplication::overrideCursor());
        if (!c.opens) {
            QCOMPARE(state(), before);
            return;
        }
        const QList<Row> rows = rowsOf(c.chosen);
        QCOMPARE(state(),
                 (State{"Norvane (" + h->inAppDir(c.chosen) + ")", true, rows, int(rows.size())}));
        QVERIFY(!editor().shpSelector->isVisible());
    }

    // Save writes the six values of every row with CR LF, replacing an earlier file; only a
    // whole write changes the title and Saved.
    void saveCommand_data() { addCasesPerCommand(kSaves, {"Command6", "mnuSave2Item"}); }
    void saveCommand() {
        const Save& c = fetchCase<Save>();
        if (!c.empty)
            h->fill(kUnsaved);
        editor().Saved = false;
        writeFile(h->inAppDir("out.NSC"), "old\r\n");
        const QString path = c.chosen.isEmpty() ? QString() : h->inAppDir(c.chosen);
        scripted().files.answers.push_back(c.chosen == "<cancel>" ? std::nullopt
                                                                  : std::optional(path));
        const State before = state();

        h->run(c.command);

        checkAsked(true);
        QVERIFY(scripted().messages.questions.isEmpty());
        checkErrors(c.error, path);
        if (!c.saves) {
            QCOMPARE(state(), before);
            QCOMPARE(fileBytes(h->inAppDir("out.NSC")), QByteArray("old\r\n"));
            return;
        }
        QCOMPARE(fileBytes(path), c.empty ? QByteArray() : kUnsavedBytes);
        QCOMPARE(state(), (State{"Norvane (" + path + ")", true, before.rows, before.listed}));
    }

    void saveRefusesALineBreakBeforeAsking() {
        h->fill({{"Big Text", " 1", " 2", "0", "", "two\nlines"}});
        const State before = state();
        editor().mnuSave2Item->trigger();
        QVERIFY(scripted().files.asked.empty());
        QCOMPARE(scripted().messages.errors.size(), 1);
        QCOMPARE(state(), before);
    }

    void savedSceneOpensAgainValueForValue() {
        h->fill(kUnsaved);
        const QList<Row> rows = h->rows();
        const QString path = h->inAppDir("round.NSC");
        scripted().files.answers = {path, path};
        editor().Command6->click();
        editor().Command3->click();
        QCOMPARE(editor().scene().count(), 0u);
        editor().Command4->click();
        QCOMPARE(state(), (State{"Norvane (" + path + ")", true, rows, 2}));
    }
};

QTEST_MAIN(MainEditorFileTest)
#include "MainEditorFileTest.moc"
