// The scene file commands of the main window: New, Open, Save, the start-up load and the
// unsaved-data guard before the scene is replaced or the window closes.
#include "MainEditor.h"

#include "CommandTwins.h"
#include "CoreText.h"
#include "ErrorReport.h"
#include "FileFilters.h"
#include "LocalPath.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"
#include "scenefile/CommandLine.h"
#include "scenefile/SceneCheck.h"
#include "scenefile/SceneFile.h"
#include "scenefile/SceneFileInput.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QSessionManager>

#include <algorithm>

namespace {

const QString kProgramName = QStringLiteral("Norvane");

QString sceneTitle(const QString& path) {
    return QStringLiteral("Norvane (") + path + QLatin1Char(')');
}

constexpr std::size_t kShownProblems = 5;

// The wait cursor for as long as a file is read and parsed, restored however that ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A scene file as read: its exact text, its objects and the problems check finds in it.
struct SceneFileContent {
    std::string text;
    norvane::Scene scene;
    std::vector<norvane::Problem> problems;
};

// Reads a regular file only (a FIFO would wait for a writer); a file that is not whole objects
// names itself in the error. The error is in the user's language.
SceneFileContent readSceneFile(const QString& path) {
    const BusyCursor busy;
    SceneFileContent content;
    try {
        content.text = norvane::readSceneFileText(localPath(path), norvane::FileTypes::RegularOnly);
    } catch (const norvane::Error& e) {
        throw norvane::Error(coreText(e.what()).toStdString());
    }
    try {
        content.scene = norvane::readSceneText(content.text);
    } catch (const norvane::Error& e) {
        throw norvane::Error(MainEditor::tr("Cannot open %1: %2")
                                 .arg(QString::fromStdString(norvane::shownPath(localPath(path))),
                                      coreText(e.what()))
                                 .toStdString());
    }
    content.problems = norvane::checkSceneText(content.text);
    return content;
}

// As above, with `note` after the reason when the file cannot be opened.
SceneFileContent readSceneFile(const QString& path, const QString& note) {
    try {
        return readSceneFile(path);
    } catch (const norvane::Error& e) {
        throw norvane::Error(e.what() + note.toStdString());
    }
}

// One message for all problems of an opened file: how many, and the first few by line and row.
QString problemsMessage(const QString& path, const std::vector<norvane::Problem>& problems) {
    const auto count = static_cast<int>(problems.size());
    QString text =
        MainEditor::tr("%1 has %n problem(s); its objects are kept as read:", nullptr, count)
            .arg(QString::fromStdString(norvane::shownPath(localPath(path))));
    for (std::size_t i = 0; i < std::min(problems.size(), kShownProblems); ++i)
        text += QLatin1Char('\n') + coreText(norvane::describeProblem(problems[i]));
    if (problems.size() > kShownProblems)
        text +=
            QLatin1Char('\n') + MainEditor::tr("(and %1 more; norvane-cli check lists them all)")
                                    .arg(problems.size() - kShownProblems);
    return text;
}

} // namespace

void MainEditor::connectFileCommands() {
    connectTwins(Command3, mnuNewItem, this, &MainEditor::mnuNewItem_Click);
    connectTwins(Command4, mnuLoadItem, this, &MainEditor::mnuLoadItem_Click);
    connectTwins(Command6, mnuSave2Item, this, &MainEditor::mnuSave2Item_Click);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainEditor::commitSessionData);
}

// True when nothing unsaved would be lost, or the user agrees to lose it.
bool MainEditor::mayEraseUnsavedData() {
    return Saved || m_services.messages.askYesNo(this, kProgramName, tr("Erase unsaved data?"));
}

void MainEditor::mnuNewItem_Click() {
    if (!mayEraseUnsavedData())
        return;
    m_document.reset({}, {});
}

void MainEditor::mnuLoadItem_Click() {
    if (!mayEraseUnsavedData())
        return;
    const std::optional<QString> path =
        m_services.files.askOpen(this, m_services.appDirectory, kSceneFileFilter);
    if (path && !path->isEmpty())
        openSceneFile(*path);
}

// Shows the scene file at `path` under its own title and remembers it in Open Recent.
// `failureNote` follows the reason when it cannot be opened.
bool MainEditor::openSceneFile(const QString& path, const QString& failureNote) {
    if (!showSceneFile(path, path, failureNote))
        return false;
    rememberRecent(path);
    return true;
}

// Reads the whole file before anything changes, so a file that cannot be read or is not
// whole objects is shown and leaves the document as it was. The document then has the file's
// scene under `documentPath` ("" for a template, which opens untitled). A file that opens with
// problems keeps every row and says so once.
bool MainEditor::showSceneFile(const QString& path, const QString& documentPath,
                               const QString& failureNote) {
    SceneFileContent content;
    if (!runOrReport(this, m_services.messages,
                     [&] { content = readSceneFile(path, failureNote); }))
        return false;
    FinalCode.setText(std::move(content.text));
    m_document.reset(std::move(content.scene), documentPath);
    if (!content.problems.empty())
        m_services.messages.showError(this, kProgramName, problemsMessage(path, content.problems));
    return true;
}

// The scene text is made before the dialog; the title and `Saved` change only once the file
// is written whole.
void MainEditor::mnuSave2Item_Click() {
    if (!runOrReport(this, m_services.messages,
                     [&] { FinalCode.setText(norvane::writeSceneText(scene())); }))
        return;
    const std::optional<QString> path =
        m_services.files.askSave(this, m_services.appDirectory, kSceneFileFilter);
    if (!path || path->isEmpty())
        return;
    if (!runOrReport(this, m_services.messages, [&] { FinalCode.saveToFile(localPath(*path)); }))
        return;
    m_document.savedAs(*path);
    rememberRecent(*path);
}

QString MainEditor::untitledTitle() {
    return tr("Norvane (New)");
}

// The views of a new scene, and the title of the document's file.
void MainEditor::observeDocument() {
    connect(&m_document, &SceneDocument::sceneReset, this, &MainEditor::showNewScene);
    connect(&m_document, &SceneDocument::objectsChanged, this, &MainEditor::showEdited);
    connect(&m_document, &SceneDocument::selectionChanged, this, &MainEditor::showSelection);
    connect(&m_document, &SceneDocument::pathChanged, this, [this](const QString& path) {
        setWindowTitle(path.isEmpty() ? untitledTitle() : sceneTitle(path));
    });
}

void MainEditor::showNewScene() {
    refreshSceneList();
    Render2D();
    shpSelector->hide();
}

void MainEditor::loadStartupScene(const QString& commandLine) {
    const std::string text = commandLine.toStdString();
    if (norvane::namesSceneFile(text) &&
        openSceneFile(QString::fromStdString(norvane::unquotePath(text))))
        return;
    Render2D();
}

void MainEditor::closeEvent(QCloseEvent* event) {
    if (mayEraseUnsavedData())
        event->accept();
    else
        event->ignore();
}

// The session is ending: ask like the close box when the session manager lets us.
void MainEditor::commitSessionData(QSessionManager& manager) {
    if (Saved || !manager.allowsInteraction())
        return;
    const bool erase = mayEraseUnsavedData();
    manager.release();
    if (!erase)
        manager.cancel();
}
