// The Edit menu of the main window: undo and redo, the clipboard, duplicate, delete, the object's
// properties, the arrow keys on the map, and List2 kept in step with the scene.
#include "MainEditor.h"

#include "ArrowKeys.h"
#include "ChangeObjectCommand.h"
#include "CoreText.h"
#include "ErrorReport.h"
#include "InsertObjectsCommand.h"
#include "ObjectProperties.h"
#include "RemoveObjectCommand.h"

#include "map/MapHit.h"
#include "map/ObjectMove.h"
#include "render/MapPicture.h"
#include "render/Utf8Text.h"
#include "scene/Error.h"
#include "scenefile/SceneFile.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>

#include <array>
#include <utility>

namespace {

// Where a pasted or duplicated object lands from its source: 1 m right and 1 m down.
constexpr norvane::MapPoint kCopyOffset{1.0f, 1.0f};
// Arrow keys move by 1 m, with Shift by 0.1 m; their steps on one row merge into one change.
constexpr float kArrowStep = 1.0f;
constexpr float kFineArrowStep = 0.1f;
constexpr int kArrowMergeId = 1;

struct EditItem {
    QAction* MainEditor::*member;
    const char* name;
    const char* caption;
    QKeySequence::StandardKey key;
    void (MainEditor::*slot)();
};

constexpr std::array<EditItem, 5> kClipboardItems{{
    {&MainEditor::mnuCutItem, "mnuCutItem", QT_TRANSLATE_NOOP("MainEditor", "Cu&t"),
     QKeySequence::Cut, &MainEditor::mnuCutItem_Click},
    {&MainEditor::mnuCopyItem, "mnuCopyItem", QT_TRANSLATE_NOOP("MainEditor", "&Copy"),
     QKeySequence::Copy, &MainEditor::mnuCopyItem_Click},
    {&MainEditor::mnuPasteItem, "mnuPasteItem", QT_TRANSLATE_NOOP("MainEditor", "&Paste"),
     QKeySequence::Paste, &MainEditor::mnuPasteItem_Click},
    {&MainEditor::mnuDeleteItem, "mnuDeleteItem", QT_TRANSLATE_NOOP("MainEditor", "&Delete"),
     QKeySequence::Delete, &MainEditor::Command5_Click},
    {&MainEditor::mnuDuplicateItem, "mnuDuplicateItem",
     QT_TRANSLATE_NOOP("MainEditor", "D&uplicate"), QKeySequence::UnknownKey,
     &MainEditor::mnuDuplicateItem_Click},
}};

} // namespace

void MainEditor::buildEditMenu() {
    mnuEditItem = menuBar()->addMenu(tr("&Edit"));
    mnuEditItem->setObjectName(QStringLiteral("mnuEditItem"));
    mnuUndoItem = m_document.history().createUndoAction(this);
    mnuUndoItem->setObjectName(QStringLiteral("mnuUndoItem"));
    mnuUndoItem->setShortcut(QKeySequence::Undo);
    mnuRedoItem = m_document.history().createRedoAction(this);
    mnuRedoItem->setObjectName(QStringLiteral("mnuRedoItem"));
    mnuRedoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEditItem->addActions({mnuUndoItem, mnuRedoItem});
    mnuEditItem->addSeparator();
    for (const EditItem& item : kClipboardItems) {
        QAction* action = mnuEditItem->addAction(tr(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.key);
        this->*item.member = action;
    }
    mnuDuplicateItem->setShortcut(Qt::CTRL | Qt::Key_D);
    mnuEditItem->addSeparator();
    mnuPropertiesItem = mnuEditItem->addAction(tr("P&roperties\u2026"));
    mnuPropertiesItem->setObjectName(QStringLiteral("mnuPropertiesItem"));
    mnuPropertiesItem->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
    mnuSelectItem = mnuEditItem->addAction(tr("&Select on Map"));
    mnuSelectItem->setObjectName(QStringLiteral("mnuSelectItem"));
    mnuSelectItem->setShortcut(Qt::Key_Escape);
}

void MainEditor::connectEditCommands() {
    for (const EditItem& item : kClipboardItems)
        connect(this->*item.member, &QAction::triggered, this, item.slot);
    connect(mnuPropertiesItem, &QAction::triggered, this, &MainEditor::mnuPropertiesItem_Click);
    connect(mnuSelectItem, &QAction::triggered, this, &MainEditor::mnuSelectItem_Click);
    connect(List2, &QListView::doubleClicked, this, &MainEditor::List2_DblClick);
    buildSelectionCommands();
    buildTurnMenu();
    Picture1->setFocusPolicy(Qt::ClickFocus);
    Picture1->installEventFilter(this);
    enableSelectionCommands();
}

// Cut, Copy, Delete, Duplicate and Properties act on the selected object only.
void MainEditor::enableSelectionCommands() {
    const bool selected = scene().selectedIndex() >= 0;
    for (QAction* action :
         {mnuCutItem, mnuCopyItem, mnuDeleteItem, mnuDuplicateItem, mnuPropertiesItem})
        action->setEnabled(selected);
    mnuTurnItem->setEnabled(selected);
    for (QAction* action : mnuTurnItem->actions())
        action->setEnabled(selected);
}

void MainEditor::showEdited(int row, const std::vector<norvane::SceneObject>& touched) {
    if (row == kKeepSelection)
        showSelection();
    else
        selectRow(row);
    if (scene().selectedIndex() < 0)
        shpSelector->hide();
    redrawAround(touched);
}

// Only the part of the map that the touched objects cover changes (all of it when they are
// not listed); objects the map skips change nothing.
void MainEditor::redrawAround(const std::vector<norvane::SceneObject>& touched) {
    if (touched.empty() || touched.size() > kMostRedrawnAround) {
        Render2D();
        return;
    }
    for (const norvane::SceneObject& object : touched)
        if (const std::optional<norvane::MapRect> bounds = norvane::symbolBounds(object))
            paintMapRegion(scene(), Picture1->picture(), *bounds, shownGridStep());
    Picture1->update();
}

void MainEditor::pushEdit(QUndoCommand* command) {
    m_move.end();
    m_document.history().push(command);
}

void MainEditor::mnuCutItem_Click() {
    const std::vector<std::size_t> rows = scene().selection().rows();
    if (rows.empty())
        return;
    mnuCopyItem_Click();
    pushEdit(new RemoveObjectCommand(editTarget(), rows, kCutVerb));
}

// The clipboard holds the selected objects as a scene file holds them: six lines each, each
// ending CR LF.
void MainEditor::mnuCopyItem_Click() {
    if (scene().selection().empty())
        return;
    norvane::Scene copied;
    for (std::size_t row : scene().selection().rows())
        copied.append(scene().row(row));
    std::string text;
    if (!runOrReport(this, m_services.messages, [&] { text = norvane::writeSceneText(copied); }))
        return;
    QApplication::clipboard()->setText(fromUtf8(text));
}

// The clipboard's text is read as a scene file is; what a scene file may not hold is refused
// with a message, and an object whose coordinates are not numbers is pasted where it was.
void MainEditor::mnuPasteItem_Click() {
    const std::string text = QApplication::clipboard()->text().toStdString();
    norvane::Scene pasted;
    if (!runOrReport(this, m_services.messages, [&] {
            try {
                pasted = norvane::readSceneText(text);
            } catch (const norvane::Error& e) {
                throw norvane::Error(tr("Cannot paste: %1").arg(coreText(e.what())).toStdString());
            }
            if (pasted.empty())
                throw norvane::Error(
                    tr("Cannot paste: the clipboard holds no scene object").toStdString());
        }))
        return;
    insertCopies({pasted.rows().begin(), pasted.rows().end()}, kPasteVerb);
}

void MainEditor::mnuDuplicateItem_Click() {
    insertCopies(selectedObjects(), kDuplicateVerb);
}

std::vector<norvane::SceneObject> MainEditor::selectedObjects() {
    std::vector<norvane::SceneObject> objects;
    for (std::size_t row : scene().selection().rows())
        objects.push_back(scene().row(row));
    return objects;
}

// Copies of `sources`, each moved by the copy offset, appended as one change that selects them.
void MainEditor::insertCopies(const std::vector<norvane::SceneObject>& sources,
                              const CommandVerb& verb) {
    if (sources.empty())
        return;
    std::vector<norvane::SceneObject> copies;
    for (const norvane::SceneObject& source : sources)
        copies.push_back(norvane::movedBy(source, kCopyOffset).value_or(source));
    const QString name = changeName(verb, copies);
    pushEdit(new InsertObjectsCommand(editTarget(), scene().count(), std::move(copies), name));
}

void MainEditor::List2_DblClick() {
    mnuPropertiesItem_Click();
}

void MainEditor::mnuPropertiesItem_Click() {
    if (scene().selection().rows().size() > 1)
        return editSelectedTogether();
    const int row = scene().selectedIndex();
    if (row < 0)
        return;
    const norvane::SceneObject& object = scene().row(static_cast<std::size_t>(row));
    const std::optional<norvane::SceneObject> edited = ObjectProperties::edit(this, object);
    if (edited && *edited != object)
        pushEdit(new ChangeObjectCommand(editTarget(), static_cast<std::size_t>(row), *edited,
                                         commandName(kEditVerb, object.kind)));
}

void MainEditor::mnuSelectItem_Click() {
    if (m_kindRow < 0 && List1->selectedItems().isEmpty())
        selectRow(-1);
    m_kindRow = -1;
    {
        const QSignalBlocker blocker(List1);
        List1->clearSelection();
    }
    showModeHint();
}

void MainEditor::nudgeSelected(norvane::MapPoint offset) {
    const std::vector<std::size_t>& rows = scene().selection().rows();
    if (rows.empty() || m_move.active())
        return;
    std::vector<norvane::SceneObject> moved;
    for (std::size_t row : rows)
        if (const auto one = norvane::movedBy(scene().row(row), offset))
            moved.push_back(*one);
    if (moved.size() != rows.size())
        return;
    const QString name = changeName(kMoveVerb, moved);
    pushEdit(new ChangeObjectCommand(editTarget(), rows, std::move(moved), name, kArrowMergeId));
}

// An arrow key on the map moves the selected object; returns false for other keys.
bool MainEditor::mapKeyPressed(int key, bool fine) {
    const std::optional<ArrowDirection> arrow = arrowDirection(key);
    if (!arrow)
        return false;
    const float step = fine ? kFineArrowStep : kArrowStep;
    nudgeSelected({static_cast<float>(arrow->dx) * step, static_cast<float>(arrow->dy) * step});
    return true;
}
