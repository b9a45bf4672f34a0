// The 3D view of the main window: a dock beside the map that shows the world as it is built,
// follows every change of the scene while shown, highlights the selected object and selects what
// is clicked.
#include "MainEditor.h"

#include "render/WalkCamera.h"
#include "render/WorldModel.h"
#include "render/WorldSnapshot.h"
#include "render/WorldWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStyle>

namespace {

constexpr int kDockWidth = 480;

} // namespace

void MainEditor::build3DView() {
    dock3D = new QDockWidget(tr("3D View"), this);
    dock3D->setObjectName(QStringLiteral("dock3D"));
    dock3D->setFeatures(QDockWidget::DockWidgetClosable);
    dock3D->setAllowedAreas(Qt::RightDockWidgetArea);
    dock3D->setFixedWidth(kDockWidth);
    dock3D->setWidget(canDraw3D() ? worldContainer() : noOpenGLNote());
    addDockWidget(Qt::RightDockWidgetArea, dock3D);
    mnu3DViewItem = dock3D->toggleViewAction();
    mnu3DViewItem->setObjectName(QStringLiteral("mnu3DViewItem"));
    mnu3DViewItem->setText(tr("&3D View"));
    mnu3DViewItem->setShortcut(QKeySequence(Qt::Key_F3));
    mnuViewItem->addAction(mnu3DViewItem);
    connect(dock3D, &QDockWidget::visibilityChanged, this, [this] {
        fitWindowToDock();
        followSceneIn3D();
    });
}

// A hidden view leaves the scene's changes for later: its world is built when shown again.
void MainEditor::followSceneIn3D() {
    if (m_world)
        m_world->setFollowing(dock3D->isVisibleTo(this));
}

QWidget* MainEditor::worldContainer() {
    m_world = std::make_unique<WorldModel>(scene());
    m_walker = std::make_unique<WalkCamera>();
    worldWindow = new WorldWindow(*m_world, *m_walker);
    connect(worldWindow, &WorldWindow::rowClicked, this, [this](int row) { selectRow(row); });
    QWidget* container = QWidget::createWindowContainer(worldWindow, dock3D);
    container->setObjectName(QStringLiteral("worldView"));
    container->setFocusPolicy(Qt::StrongFocus);
    container->setAccessibleName(tr("3D View"));
    container->setAccessibleDescription(
        tr("The world as a visitor sees it. Arrow keys or W, A, S, D walk and turn; drag to look "
           "around; Page Up and Page Down rise and fall; Home returns to the start."));
    return container;
}

QWidget* MainEditor::noOpenGLNote() {
    auto* note =
        new QLabel(tr("The 3D view needs OpenGL, which this display does not offer."), dock3D);
    note->setObjectName(QStringLiteral("noOpenGL"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    return note;
}

// Showing the dock widens the window by the dock and hiding it narrows it again, so the map
// keeps its size; a maximised window keeps its size and the map gives or takes the width. The
// width without the dock is remembered, since Qt may already have grown the window to make room
// for a dock being shown by the time this runs.
void MainEditor::fitWindowToDock() {
    const bool shown = dock3D->isVisibleTo(this);
    if (shown == m_dockWidthAdded)
        return;
    m_dockWidthAdded = shown;
    if (isMaximized() || isFullScreen())
        return;
    const int dockRoom =
        dock3D->width() + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    if (shown) {
        resize(m_widthWithoutDock + dockRoom, height());
        return;
    }
    resize(width() - dockRoom, height());
    m_widthWithoutDock = width();
}

void MainEditor::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!dock3D->isVisibleTo(this))
        m_widthWithoutDock = width();
}

void MainEditor::highlightIn3D(int row) {
    if (m_world)
        m_world->setHighlightedRow(row);
}

void MainEditor::showSkyIn3D(const QString& sky) {
    if (m_world)
        m_world->setSky(sky);
}
