// The web page commands of the main window: export the page into a chosen folder, and preview it
// in the desktop's browser through the loopback server.
#include "MainEditor.h"

#include "ErrorReport.h"
#include "LocalPath.h"
#include "PreviewServer.h"
#include "ProgramFolder.h"
#include "webpage/WebPageExport.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kPageFilter = QStringLiteral("Web Page (*.html)");

// Where the textures and X_ITE lie: the program's folder when it holds X_ITE (the build tree),
// otherwise the installed share/norvane.
QString webDataFolder(const QString& programFolder) {
    return QFileInfo::exists(programFolder + QStringLiteral("/x_ite/x_ite.min.js"))
               ? programFolder
               : installedPlaces().dataFolder;
}

// The scene file's name from the title "Norvane (path)"; "Norvane" for a new scene.
QString pageTitle(const QString& windowTitle) {
    const QString path = windowTitle.mid(9, windowTitle.size() - 10);
    return path == QStringLiteral("New") ? QStringLiteral("Norvane") : QFileInfo(path).fileName();
}

} // namespace

void MainEditor::connectWebCommands() {
    connect(mnuWebPageItem, &QAction::triggered, this, &MainEditor::mnuWebPageItem_Click);
    connect(mnuBrowserItem, &QAction::triggered, this, &MainEditor::mnuBrowserItem_Click);
}

// Blue Sky, no music, no target frame: the world the preview shows, published with its page.
bool MainEditor::exportWebPageTo(const QString& folder, const QString& pageName) {
    norvane::WebPageRequest request;
    request.folder = localPath(folder);
    request.pageName = pageName.toStdString();
    request.title = pageTitle(windowTitle()).toStdString();
    request.dataFolder = localPath(webDataFolder(m_services.appDirectory));
    return runOrReport(this, m_services.messages,
                       [&] { norvane::exportWebPage(m_scene, request); });
}

// The Save dialog names the page; its folder receives the page and the files it needs.
void MainEditor::mnuWebPageItem_Click() {
    const std::optional<QString> path =
        m_services.files.askSave(this, m_services.appDirectory, kPageFilter);
    if (!path || path->isEmpty())
        return;
    QString name = QFileInfo(*path).fileName();
    if (!name.endsWith(QStringLiteral(".html")))
        name += QStringLiteral(".html");
    exportWebPageTo(QFileInfo(*path).absolutePath(), name);
}

// Writes the page into the per-user cache and opens it from the server, started on first use.
void MainEditor::mnuBrowserItem_Click() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/page");
    if (!exportWebPageTo(folder, QStringLiteral("index.html")))
        return;
    if (!m_previewServer && !runOrReport(this, m_services.messages, [&] {
            m_previewServer = new PreviewServer(folder, this);
        }))
        return;
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/index.html").arg(m_previewServer->port());
    if (!m_services.opener.open(url))
        m_services.messages.showError(this, QStringLiteral("Norvane"),
                                      QStringLiteral("Cannot open %1 in a browser.").arg(url));
}
