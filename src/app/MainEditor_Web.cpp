// The web page commands of the main window: export the page into a chosen folder, and preview it
// in the desktop's browser through the loopback server.
#include "MainEditor.h"

#include "CoreText.h"
#include "ErrorReport.h"
#include "LocalPath.h"
#include "PagePoster.h"
#include "PreviewServer.h"
#include "ProgramFolder.h"
#include "Saver.h"
#include "webpage/WebPageExport.h"
#include "webpage/WebPageText.h"

#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

// Where the textures and X_ITE lie: the program's folder when it holds X_ITE (the build tree),
// otherwise the installed share/norvane.
QString webDataFolder(const QString& programFolder) {
    return QFileInfo::exists(programFolder + QStringLiteral("/x_ite/x_ite.min.js"))
               ? programFolder
               : installedPlaces().dataFolder;
}

// The scene file's name from the title "Norvane (path)"; "Norvane" for a new scene.
// The page is titled after the scene file, or the program while there is none.
QString pageTitle(const QString& scenePath) {
    return scenePath.isEmpty() ? QStringLiteral("Norvane") : QFileInfo(scenePath).fileName();
}

} // namespace

void MainEditor::connectWebCommands() {
    connect(mnuWebPageItem, &QAction::triggered, this, &MainEditor::mnuWebPageItem_Click);
    connect(mnuBrowserItem, &QAction::triggered, this, &MainEditor::mnuBrowserItem_Click);
}

// Writes the page with the world of `options` as `page` presents it, and says in the status bar
// what it wrote and what the poster shows; a chosen music file is copied from the program's
// folder beside the world. Failures are shown over `parent`.
bool MainEditor::exportWebPageTo(const QString& folder, const QString& pageName, QWidget* parent,
                                 const norvane::WorldOptions& options,
                                 const norvane::PageOptions& page) {
    norvane::WebPageRequest request;
    request.folder = localPath(folder);
    request.pageName = pageName.toStdString();
    request.title = pageTitle(m_document.path()).toStdString();
    request.world = options;
    if (!options.musicFile.empty())
        request.musicPath = localPath(
            pathInDirectory(m_services.appDirectory, QString::fromStdString(options.musicFile)));
    request.dataFolder = localPath(webDataFolder(m_services.appDirectory));
    request.page = page;
    const PagePoster poster = drawPagePoster(scene(), options, page);
    request.poster = poster.png;
    return runOrReport(parent, m_services.messages, [&] {
        const std::vector<std::string> written = norvane::exportWebPage(scene(), request);
        statusBar()->showMessage(tr("Published %1: %2; the poster is %3")
                                     .arg(pageName,
                                          coreText(norvane::publishedSize(request.folder, written)),
                                          coreText(poster.is)));
    });
}

// World Properties chooses the sky, the music and the target frame as for a world; its "&OK"
// then asks how the page presents the world (Page Options) and for the page, whose folder
// receives the page and the files it needs.
void MainEditor::mnuWebPageItem_Click() {
    openWorldProperties([this](Saver& dialog, const norvane::WorldOptions& options) {
        const QString described = QString::fromStdString(
            norvane::describeScene(scene(), pageTitle(m_document.path()).toStdString()));
        const std::optional<norvane::PageOptions> page = m_services.pageOptions.ask(
            &dialog, m_confirmedPage.value_or(norvane::PageOptions{}), described);
        if (!page)
            return;
        m_confirmedPage = page;
        const std::optional<QString> path =
            m_services.files.askSave(&dialog, m_services.appDirectory, tr("Web Page (*.html)"));
        if (!path || path->isEmpty())
            return;
        QString name = QFileInfo(*path).fileName();
        if (!name.endsWith(QStringLiteral(".html")))
            name += QStringLiteral(".html");
        exportWebPageTo(QFileInfo(*path).absolutePath(), name, &dialog, options, *page);
    });
}

// Writes the page into the per-user cache and opens it from the server, started on first use.
// The page shows the world as it will be published: with the options World Properties and Page
// Options last confirmed in this run, else the preview's.
void MainEditor::mnuBrowserItem_Click() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/page");
    if (!exportWebPageTo(folder, QStringLiteral("index.html"), this,
                         m_confirmedWorld.value_or(norvane::WorldOptions{}),
                         m_confirmedPage.value_or(norvane::PageOptions{})))
        return;
    if (!m_previewServer && !runOrReport(this, m_services.messages, [&] {
            m_previewServer = new PreviewServer(folder, this);
        }))
        return;
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/index.html").arg(m_previewServer->port());
    if (!m_services.opener.open(url))
        m_services.messages.showError(this, QStringLiteral("Norvane"),
                                      tr("Cannot open %1 in a browser.").arg(url));
}
