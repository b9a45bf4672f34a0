// The main window's workspace: a resizable layout whose map viewport takes the extra room, the
// grid and snapping commands, the status bar, and what the window keeps between runs.
#include "MainEditor.h"

#include "Twips.h"

#include "map/Grid.h"
#include "map/Snapping.h"
#include "map/StatusText.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QWheelEvent>

#include <array>

namespace {

// How a control follows the client's extra width or height: not at all, by the upper share of
// the extra height (the catalogue's), by the lower share (the scene list's), or by all of it.
enum class Share { None, Upper, Lower, All };

struct Stretch {
    const char* name;
    Share moveX, moveY, growWidth, growHeight;
};

constexpr std::array<Stretch, 20> kStretches{{
    {"Picture2", Share::None, Share::None, Share::All, Share::All},
    {"HScroll1", Share::None, Share::All, Share::All, Share::None},
    {"VScroll1", Share::All, Share::None, Share::None, Share::All},
    {"Frame1", Share::All, Share::None, Share::None, Share::Upper},
    {"List1", Share::None, Share::None, Share::None, Share::Upper},
    {"Check1", Share::None, Share::Upper, Share::None, Share::None},
    {"Label1", Share::None, Share::Upper, Share::None, Share::None},
    {"OptUp", Share::None, Share::Upper, Share::None, Share::None},
    {"OptLeft", Share::None, Share::Upper, Share::None, Share::None},
    {"optRight", Share::None, Share::Upper, Share::None, Share::None},
    {"optDown", Share::None, Share::Upper, Share::None, Share::None},
    {"Frame2", Share::All, Share::Upper, Share::None, Share::Lower},
    {"List2", Share::None, Share::None, Share::None, Share::Lower},
    {"Command5", Share::None, Share::Lower, Share::None, Share::None},
    {"Command3", Share::None, Share::All, Share::None, Share::None},
    {"Command4", Share::None, Share::All, Share::None, Share::None},
    {"Command6", Share::None, Share::All, Share::None, Share::None},
    {"Command1", Share::None, Share::All, Share::None, Share::None},
    {"Command2", Share::None, Share::All, Share::None, Share::None},
    {"Command7", Share::All, Share::All, Share::None, Share::None},
}};

int part(Share share, int extra) {
    switch (share) {
    case Share::None:
        return 0;
    case Share::Upper:
        return extra / 2;
    case Share::Lower:
        return extra - extra / 2;
    case Share::All:
        break;
    }
    return extra;
}

// The workspace's commands, added to View > Scale and to View.
struct WorkspaceItem {
    QMenu* MainEditor::*menu;
    QAction* MainEditor::*member;
    const char* name;
    const char* caption;
    bool checkable;
    void (MainEditor::*slot)();
};

constexpr std::array<WorkspaceItem, 5> kWorkspaceItems{{
    {&MainEditor::mnuScaleItem, &MainEditor::mnuFitItem, "mnuFitItem",
     QT_TRANSLATE_NOOP("MainEditor", "&Fit to Window"), true, &MainEditor::mnuFitItem_Click},
    {&MainEditor::mnuScaleItem, &MainEditor::mnuZoomInItem, "mnuZoomInItem",
     QT_TRANSLATE_NOOP("MainEditor", "Zoom &In"), false, &MainEditor::mnuZoomInItem_Click},
    {&MainEditor::mnuScaleItem, &MainEditor::mnuZoomOutItem, "mnuZoomOutItem",
     QT_TRANSLATE_NOOP("MainEditor", "Zoom &Out"), false, &MainEditor::mnuZoomOutItem_Click},
    {&MainEditor::mnuViewItem, &MainEditor::mnuGridItem, "mnuGridItem",
     QT_TRANSLATE_NOOP("MainEditor", "Show &Grid"), true, &MainEditor::mnuGridItem_Click},
    {&MainEditor::mnuViewItem, &MainEditor::mnuSnapItem, "mnuSnapItem",
     QT_TRANSLATE_NOOP("MainEditor", "S&nap to Grid"), true, &MainEditor::mnuSnapItem_Click},
}};

// The keys under which the window keeps its workspace.
const QString kGeometryKey = QStringLiteral("workspace/geometry");
const QString kZoomKey = QStringLiteral("workspace/zoom"); // a percent, 0 for Fit
const QString kGridKey = QStringLiteral("workspace/grid");
const QString kSnapKey = QStringLiteral("workspace/snap");
const QString kDockKey = QStringLiteral("workspace/dock3D");

} // namespace

void MainEditor::buildWorkspace() {
    buildWorkspaceMenus();
    buildStatusBar();
    for (const Stretch& stretch : kStretches) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(stretch.name));
        widget->setProperty("layoutRect", widget->geometry());
    }
    m_viewport = Picture2->size();
    centralWidget()->installEventFilter(this);
    for (QWidget* map : {static_cast<QWidget*>(Picture1), Picture2})
        map->installEventFilter(this);
    Picture1->setFocusPolicy(Qt::StrongFocus); // Tab reaches the map for keyboard placement
}

void MainEditor::buildWorkspaceMenus() {
    mnuScaleItem->addSeparator();
    for (const WorkspaceItem& item : kWorkspaceItems) {
        QAction* action = (this->*item.menu)->addAction(tr(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setCheckable(item.checkable);
        connect(action, &QAction::triggered, this, item.slot);
        this->*item.member = action;
    }
    mnuZoomInItem->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuZoomOutItem->setShortcut(QKeySequence::ZoomOut);
    mnuGridItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuSnapItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
}

void MainEditor::buildStatusBar() {
    const auto label = [this](QLabel* MainEditor::*member, const char* name) {
        auto* shown = new QLabel(statusBar());
        shown->setObjectName(QLatin1String(name));
        this->*member = shown;
        return shown;
    };
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->addWidget(label(&MainEditor::statusPosition, "statusPosition"), 1);
    statusBar()->addPermanentWidget(label(&MainEditor::statusMode, "statusMode"));
    statusBar()->addPermanentWidget(label(&MainEditor::statusCount, "statusCount"));
    showObjectCount();
}

// Places every control at its place in the smallest layout moved and grown by the client's
// extra room, then keeps the map point at the viewport's centre in view.
void MainEditor::layoutClient() {
    const QSize extra = centralWidget()->size() - centralWidget()->minimumSize();
    const int width = std::max(extra.width(), 0), height = std::max(extra.height(), 0);
    for (const Stretch& stretch : kStretches) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(stretch.name));
        const QRect base = widget->property("layoutRect").toRect();
        widget->setGeometry(base.x() + part(stretch.moveX, width),
                            base.y() + part(stretch.moveY, height),
                            base.width() + part(stretch.growWidth, width),
                            base.height() + part(stretch.growHeight, height));
    }
    if (Picture2->size() == m_viewport)
        return;
    const norvane::MapPoint centre = mapPointAt({m_viewport.width() / 2, m_viewport.height() / 2});
    m_viewport = Picture2->size();
    if (!m_zoom)
        fitToWindow();
    else
        keepInView(centre, m_viewport);
}

void MainEditor::mnuGridItem_Click() {
    m_services.settings.setValue(kGridKey, mnuGridItem->isChecked());
    Render2D();
}

void MainEditor::mnuSnapItem_Click() {
    m_services.settings.setValue(kSnapKey, mnuSnapItem->isChecked());
}

float MainEditor::shownGridStep() const {
    return mnuGridItem && mnuGridItem->isChecked() ? norvane::gridStep(Picture1->width()) : 0.0f;
}

bool MainEditor::snapsWithAlt(bool altHeld) const {
    return norvane::snapsNow(mnuSnapItem->isChecked(), altHeld);
}

void MainEditor::showPointer(norvane::MapPoint at) {
    statusPosition->setText(QString::fromStdString(norvane::positionText(at)));
}

// "33 objects", and "3 selected" beside it while several are.
void MainEditor::showObjectCount() {
    const std::size_t selected = scene().selection().count();
    const QString count = tr("%n object(s)", nullptr, static_cast<int>(scene().count()));
    statusCount->setText(selected < 2 ? count : tr("%1 selected, %2").arg(selected).arg(count));
}

void MainEditor::restoreWorkspace() {
    QSettings& kept = m_services.settings;
    mnuGridItem->setChecked(kept.value(kGridKey, false).toBool());
    mnuSnapItem->setChecked(kept.value(kSnapKey, false).toBool());
    dock3D->setVisible(kept.value(kDockKey, true).toBool());
    fitWindowToDock();
    followSceneIn3D();
    if (kept.contains(kGeometryKey))
        restoreGeometry(kept.value(kGeometryKey).toByteArray());
    const int percent = kept.value(kZoomKey, 100).toInt();
    if (percent == 0)
        fitToWindow();
    else
        applyZoom(norvane::editorZoomFromPercent(percent).value_or(norvane::ZoomLevel::Percent100));
}

void MainEditor::saveWorkspace() {
    QSettings& kept = m_services.settings;
    kept.setValue(kGeometryKey, saveGeometry());
    kept.setValue(kZoomKey,
                  m_zoom ? norvane::kZoomLevels[static_cast<std::size_t>(*m_zoom)].percent : 0);
    kept.setValue(kGridKey, mnuGridItem->isChecked());
    kept.setValue(kSnapKey, mnuSnapItem->isChecked());
    kept.setValue(kDockKey, dock3D->isVisibleTo(this));
    kept.sync();
}

// Resizing the client lays it out again; the wheel and panning belong to the map.
bool MainEditor::workspaceEvent(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        layoutClient();
        return false;
    }
    if (watched == Picture1 &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
         event->type() == QEvent::ShortcutOverride))
        return mapKeyEvent(static_cast<QKeyEvent*>(event));
    if (watched == Picture1 && event->type() == QEvent::FocusOut)
        m_spaceHeld = false; // its release goes elsewhere
    if (watched != Picture1 && watched != Picture2)
        return false;
    if (event->type() == QEvent::Wheel)
        return wheelOnMap(watched, static_cast<QWheelEvent*>(event));
    return panEvent(watched, event);
}
