// The scene file commands of the main window: New, Open, Save, the start-up load and the
// unsaved-data guard before the scene is replaced or the window closes.
#include "MainEditor.h"

#include "CommandTwins.h"
#include "ErrorReport.h"
#include "FileFilters.h"
#include "LocalPath.h"
#include "scene/Error.h"
#include "scenefile/CommandLine.h"
#include "scenefile/SceneFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QSessionManager>

namespace {

const QString kProgramName = QStringLiteral("Norvane");

QString sceneTitle(const QString& path) {
    return QStringLiteral("Norvane (") + path + QLatin1Char(')');
}

// The scene in a scene file's text; a file that is not whole objects names itself in the error.
norvane::Scene readScene(const QString& path, const std::string& text) {
    try {
        return norvane::readSceneText(text);
    } catch (const norvane::Error& e) {
        throw norvane::Error("Cannot open " + path.toStdString() + ": " + e.what());
    }
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
    return Saved ||
           m_services.messages.askYesNo(this, kProgramName, QStringLiteral("Erase unsaved data?"));
}

void MainEditor::mnuNewItem_Click() {
    if (!mayEraseUnsavedData())
        return;
    shpSelector->hide();
    setWindowTitle(QStringLiteral("Norvane (New)"));
    m_scene.clear();
    Render2D();
    refreshSceneList();
    Saved = true;
}

void MainEditor::mnuLoadItem_Click() {
    if (!mayEraseUnsavedData())
        return;
    const std::optional<QString> path =
        m_services.files.askOpen(this, m_services.appDirectory, kSceneFileFilter);
    if (path && !path->isEmpty())
        openSceneFile(*path);
}

// Reads the whole file before anything changes, so a file that cannot be read or is not
// whole objects is shown and leaves scene, `Saved` and title as they were.
bool MainEditor::openSceneFile(const QString& path) {
    return runOrReport(this, m_services.messages, [&] {
        FinalCode.loadFromFile(localPath(path));
        m_scene = readScene(path, FinalCode.text());
        Saved = true;
        refreshSceneList();
        Render2D();
        shpSelector->hide();
        setWindowTitle(sceneTitle(path));
    });
}

// The scene text is made before the dialog; the title and `Saved` change only once the file
// is written whole.
void MainEditor::mnuSave2Item_Click() {
    if (!runOrReport(this, m_services.messages,
                     [&] { FinalCode.setText(norvane::writeSceneText(m_scene)); }))
        return;
    const std::optional<QString> path =
        m_services.files.askSave(this, m_services.appDirectory, kSceneFileFilter);
    if (!path || path->isEmpty())
        return;
    if (!runOrReport(this, m_services.messages, [&] { FinalCode.saveToFile(localPath(*path)); }))
        return;
    setWindowTitle(sceneTitle(*path));
    Saved = true;
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
