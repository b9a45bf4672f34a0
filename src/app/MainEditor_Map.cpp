// The map slots of the main window: placement, selection, removal, zoom and scrolling.
#include "MainEditor.h"

#include "ChangeObjectCommand.h"
#include "InsertObjectsCommand.h"
#include "RemoveObjectCommand.h"
#include "render/MapPicture.h"

#include "map/MapHit.h"
#include "map/SelectionMarker.h"
#include "scene/Catalogue.h"
#include "scene/Orientation.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<QRadioButton * MainEditor::*, std::string_view>, 4> kCodes{{
    {&MainEditor::OptUp, norvane::kFaceBackward},
    {&MainEditor::optDown, norvane::kFaceForward},
    {&MainEditor::optRight, norvane::kFaceRight},
    {&MainEditor::OptLeft, norvane::kFaceLeft},
}};

// The map's hint while no kind is chosen.
constexpr const char* kSelectHint = "Click an object to select it, drag it to move it";

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void MainEditor::Render2D() {
    paintMapPicture(m_scene, Picture1->image());
    Picture1->update();
}

void MainEditor::refreshSceneList() {
    const QSignalBlocker blocker(List2);
    List2->clear();
    for (const norvane::SceneRow row : m_scene.rows())
        List2->addItem(fromUtf8(row.kind));
    selectRow(m_scene.selectedIndex());
}

void MainEditor::List1_Click() {
    showModeHint();
}

// Placing while a kind is chosen, selecting and moving while none is.
void MainEditor::showModeHint() {
    Picture1->setToolTip(chosenKind().empty()
                             ? tr(kSelectHint)
                             : QString::fromLatin1(norvane::placementHint(chosenKind())));
}

void MainEditor::List2_Click() {
    const int row = m_scene.selectedIndex();
    if (row < 0)
        return;
    const int twips = surfaceTwips();
    const auto marker =
        norvane::selectionMarker(m_scene.row(static_cast<std::size_t>(row)), twips, twips);
    if (!marker) {
        shpSelector->hide();
        return;
    }
    shpSelector->setMapRect(*marker);
    shpSelector->show();
}

void MainEditor::Command5_Click() {
    const int row = m_scene.selectedIndex();
    if (row >= 0)
        pushEdit(new RemoveObjectCommand(editTarget(), static_cast<std::size_t>(row),
                                         QStringLiteral("Remove")));
}

void MainEditor::Picture1_MouseDown(norvane::MouseButton button, norvane::MapPoint at) {
    if (chosenKind().empty())
        pickOnMap(button, at);
    m_gesture.press(button, at, chosenKind());
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseMove(norvane::MapPoint at) {
    dragTo(at);
    m_gesture.move(at);
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseUp(norvane::MouseButton button, norvane::MapPoint at) {
    drop();
    const norvane::PlacementChoice choice{chosenKind(), Check1->isChecked(), chosenOrientation(),
                                          [this] { Check1->setChecked(false); }};
    std::optional<norvane::SceneObject> placed = m_gesture.release(button, at, choice, m_prompt);
    refreshGestureShapes();
    if (placed)
        appendPlaced(std::move(*placed));
}

void MainEditor::mnu100Item_Click() {
    applyZoom(norvane::ZoomLevel::Percent100);
}

void MainEditor::mnu200Item_Click() {
    applyZoom(norvane::ZoomLevel::Percent200);
}

void MainEditor::mnu400Item_Click() {
    applyZoom(norvane::ZoomLevel::Percent400);
}

void MainEditor::HScroll1_Change(int position) {
    Picture1->move(norvane::twipsToPixels(-position), Picture1->y());
    hideCrossHair();
}

void MainEditor::VScroll1_Change(int position) {
    Picture1->move(Picture1->x(), norvane::twipsToPixels(-position));
    hideCrossHair();
}

// A left click selects the topmost object under the pointer, or nothing on empty ground, and
// starts dragging what it selected.
void MainEditor::pickOnMap(norvane::MouseButton button, norvane::MapPoint at) {
    if (button != norvane::MouseButton::Left)
        return;
    const std::optional<std::size_t> hit = norvane::hitTest(m_scene, at);
    selectRow(hit ? static_cast<int>(*hit) : -1);
    if (!hit) {
        shpSelector->hide();
        return;
    }
    m_move.press(*hit, m_scene.row(*hit), at);
}

// The dragged object follows the pointer on the map; the drop makes it one change.
void MainEditor::dragTo(norvane::MapPoint at) {
    const std::optional<norvane::SceneObject> moved = m_move.moveTo(at);
    if (!moved || m_move.row() >= m_scene.count())
        return;
    const norvane::SceneObject before = m_scene.row(m_move.row());
    m_scene.replace(m_move.row(), *moved);
    List2_Click();
    redrawAround({before, *moved});
}

void MainEditor::drop() {
    if (!m_move.active())
        return;
    m_move.end();
    const std::size_t row = m_move.row();
    if (row >= m_scene.count()) // an undo during the drag took the row away
        return;
    const norvane::SceneObject now = m_scene.row(row);
    if (now == m_move.original())
        return;
    m_scene.replace(row, m_move.original());
    pushEdit(new ChangeObjectCommand(editTarget(), row, now, commandName("Move", now.kind)));
}

bool MainEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (mapKeyPressed(key->key(), key->modifiers().testFlag(Qt::ShiftModifier)))
            return true;
    }
    if (event->type() == QEvent::MouseMove)
        hideCrossHair();
    return QMainWindow::eventFilter(watched, event);
}

std::string_view MainEditor::chosenKind() const {
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    if (chosen.isEmpty())
        return {};
    return norvane::kCatalogue[static_cast<std::size_t>(List1->row(chosen.front()))].name;
}

std::string_view MainEditor::chosenOrientation() const {
    for (const auto& [option, code] : kCodes) {
        if ((this->*option)->isChecked())
            return code;
    }
    return norvane::kFaceForward;
}

void MainEditor::appendPlaced(norvane::SceneObject object) {
    const QString name = commandName("Place", object.kind);
    pushEdit(new InsertObjectsCommand(editTarget(), m_scene.count(), {std::move(object)}, name));
}

void MainEditor::selectRow(int row) {
    m_scene.setSelectedIndex(row);
    {
        const QSignalBlocker blocker(List2);
        if (m_scene.selectedIndex() < 0)
            List2->clearSelection();
        List2->setCurrentRow(m_scene.selectedIndex());
    }
    List2_Click();
    highlightIn3D(m_scene.selectedIndex());
    enableSelectionCommands();
}

// Like List2, the catalogue keeps its chosen kind: Ctrl+click or Ctrl+Space on it chooses it again,
// so the map's hint and what a click places always agree.
void MainEditor::onList1SelectionChanged() {
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    if (chosen.isEmpty() && m_kindRow >= 0) {
        const QSignalBlocker blocker(List1);
        List1->item(m_kindRow)->setSelected(true);
        return;
    }
    m_kindRow = chosen.isEmpty() ? -1 : List1->row(chosen.front());
    List1_Click();
}

// The user can choose another row but not unselect one (Ctrl+click, Ctrl+Space): the row stays
// selected, so the marker always frames the object that "&Remove Object" removes.
void MainEditor::onList2SelectionChanged() {
    const QList<QListWidgetItem*> chosen = List2->selectedItems();
    selectRow(chosen.isEmpty() ? m_scene.selectedIndex() : List2->row(chosen.front()));
}

void MainEditor::applyZoom(norvane::ZoomLevel level) {
    m_zoom = level;
    const int twips = norvane::surfaceTwips(level);
    Picture1->setSurfacePixels(norvane::twipsToPixels(twips));
    Picture1->move(0, 0);
    const std::array<QAction*, 3> checks{mnu100Item, mnu200Item, mnu400Item};
    for (std::size_t i = 0; i < checks.size(); ++i)
        checks[i]->setChecked(i == static_cast<std::size_t>(level));
    const norvane::ScrollRange range = norvane::scrollRange(twips, norvane::kViewportTwips);
    for (QScrollBar* bar : {HScroll1, VScroll1}) {
        bar->setRange(0, range.maximum);
        if (range.arrowStep)
            bar->setSingleStep(*range.arrowStep);
        if (range.pageStep)
            bar->setPageStep(*range.pageStep);
        bar->setValue(0);
    }
    Render2D();
    List2_Click();
}

void MainEditor::refreshGestureShapes() {
    Shape1->setMapRect(m_gesture.rubberBand());
    Shape1->setVisible(m_gesture.rubberBandVisible());
    const norvane::MapPoint at = m_gesture.crossHair();
    XLine->setMapRect({at.x, 0.0f, 0.0f, 100.0f});
    YLine->setMapRect({0.0f, at.y, 100.0f, 0.0f});
    XLine->setVisible(m_gesture.crossHairVisible());
    YLine->setVisible(m_gesture.crossHairVisible());
}

void MainEditor::hideCrossHair() {
    m_gesture.hideCrossHair();
    XLine->hide();
    YLine->hide();
}
