// The File menu's "New from Template" and "Open Recent": starter scenes shipped with the program,
// opened as a new scene, and the scene files opened or saved last, kept between runs.
#include "MainEditor.h"

#include "SceneTemplates.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace {

// "&1 /home/me/street.NSC": the number is the item's access key.
QString recentCaption(qsizetype index, const QString& path) {
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(path));
}

} // namespace

// Both submenus go into the File menu built from its table: templates after "New", recent
// files after "Open File". The window also takes dropped files from here on.
void MainEditor::buildFileExtras() {
    m_templateFolder = templateFolder(installedPlaces());
    mnuTemplateItem = new QMenu(tr("New from &Template"), mnuFileItem);
    mnuTemplateItem->setObjectName(QStringLiteral("mnuTemplateItem"));
    mnuFileItem->insertMenu(mnuLoadItem, mnuTemplateItem);
    for (const SceneTemplate& entry : kSceneTemplates) {
        QAction* action = mnuTemplateItem->addAction(tr(entry.caption));
        action->setObjectName(QLatin1String(entry.objectName));
        const QString file = QLatin1String(entry.fileName);
        connect(action, &QAction::triggered, this, [this, file] { openTemplate(file); });
    }
    mnuRecentItem = new QMenu(tr("Open &Recent"), mnuFileItem);
    mnuRecentItem->setObjectName(QStringLiteral("mnuRecentItem"));
    mnuFileItem->insertMenu(mnuSave2Item, mnuRecentItem);
    for (std::size_t i = 0; i < mnuRecentFileItem.size(); ++i) {
        mnuRecentFileItem[i] = mnuRecentItem->addAction(QString());
        mnuRecentFileItem[i]->setObjectName(QStringLiteral("mnuRecentFileItem%1").arg(i));
        connect(mnuRecentFileItem[i], &QAction::triggered, this, [this, i] { openRecentFile(i); });
    }
    mnuRecentItem->addSeparator();
    mnuClearRecentItem = mnuRecentItem->addAction(tr("&Clear List"));
    mnuClearRecentItem->setObjectName(QStringLiteral("mnuClearRecentItem"));
    connect(mnuClearRecentItem, &QAction::triggered, this, &MainEditor::clearRecentFiles);
    refreshRecentMenu();
    setAcceptDrops(true);
}

// One item per remembered file, the rest hidden; an empty list leaves the submenu disabled.
void MainEditor::refreshRecentMenu() {
    const QStringList paths = m_recent.paths();
    for (std::size_t i = 0; i < mnuRecentFileItem.size(); ++i) {
        const auto index = qsizetype(i);
        mnuRecentFileItem[i]->setVisible(index < paths.size());
        mnuRecentFileItem[i]->setText(recentCaption(index, paths.value(index)));
    }
    mnuRecentItem->setEnabled(!paths.isEmpty());
}

void MainEditor::rememberRecent(const QString& path) {
    m_recent.add(path);
    refreshRecentMenu();
}

// Like Open without the dialog; a file that cannot be opened any more leaves the list.
void MainEditor::openRecentFile(std::size_t index) {
    const QString path = m_recent.paths().value(qsizetype(index));
    if (path.isEmpty() || !mayEraseUnsavedData())
        return;
    if (openSceneFile(path, QLatin1Char('\n') + tr("It is taken off the Open Recent list.")))
        return;
    m_recent.remove(path);
    refreshRecentMenu();
}

void MainEditor::clearRecentFiles() {
    m_recent.clear();
    refreshRecentMenu();
}

// Like New followed by reading the template's rows: the scene is untitled and saved, so Save
// asks for a name and nothing is lost by closing it unchanged.
void MainEditor::openTemplate(const QString& fileName) {
    if (mayEraseUnsavedData())
        showSceneFile(QDir(m_templateFolder).filePath(fileName), {}, {});
}
