// The map slots of the main window: placement, selection, removal, zoom and scrolling.
#include "MainEditor.h"

#include "ChangeObjectCommand.h"
#include "CoreText.h"
#include "InsertObjectsCommand.h"
#include "RemoveObjectCommand.h"
#include "SceneListModel.h"
#include "render/MapPicture.h"

#include "map/MapHit.h"
#include "map/SelectionMarker.h"
#include "map/Snapping.h"
#include "map/StatusText.h"
#include "scene/Catalogue.h"
#include "scene/Orientation.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
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
constexpr const char* kSelectHint =
    QT_TRANSLATE_NOOP("MainEditor", "Click an object to select it, drag it to move it");

} // namespace

// The map surface paints its parts as they come into view, through paintMapPart.
void MainEditor::Render2D() {
    Picture1->invalidate();
}

// The whole picture at once, or one part of it, as Render2D paints it.
void MainEditor::paintMapPart(QImage& picture, const QRect& pixels) {
    if (pixels == picture.rect()) {
        paintMapPicture(scene(), picture, shownGridStep());
        return;
    }
    const double perPixel = 100.0 / picture.width();
    const auto units = [perPixel](int value) { return static_cast<float>(value * perPixel); };
    paintMapRegion(
        scene(), picture,
        {units(pixels.left()), units(pixels.top()), units(pixels.width()), units(pixels.height())},
        shownGridStep());
}

void MainEditor::refreshSceneList() {
    m_sceneList->reload();
    selectRow(scene().selectedIndex());
}

void MainEditor::List1_Click() {
    showModeHint();
}

// Placing while a kind is chosen, selecting and moving while none is.
void MainEditor::showModeHint() {
    Picture1->setToolTip(chosenKind().empty() ? tr(kSelectHint)
                                              : coreText(norvane::placementHint(chosenKind())));
    statusMode->setText(chosenKind().empty()
                            ? coreText(norvane::modeText({}))
                            : QString::fromStdString(norvane::modeText(chosenKind())));
}

void MainEditor::List2_Click() {
    const int row = scene().selectedIndex();
    if (row < 0)
        return;
    const int twips = surfaceTwips();
    const auto marker =
        norvane::selectionMarker(scene().row(static_cast<std::size_t>(row)), twips, twips);
    if (!marker) {
        shpSelector->hide();
        return;
    }
    shpSelector->setMapRect(*marker);
    shpSelector->show();
}

void MainEditor::Command5_Click() {
    const std::vector<std::size_t>& rows = scene().selection().rows();
    if (!rows.empty())
        pushEdit(new RemoveObjectCommand(editTarget(), rows, kRemoveVerb));
}

// Snapping to the grid is settled at the press, Alt inverting it, and holds for the gesture.
void MainEditor::Picture1_MouseDown(norvane::MouseButton button, norvane::MapPoint at) {
    if (button == norvane::MouseButton::Left) {
        m_gestureSnaps = snapsWithAlt(Picture1->modifiers().testFlag(Qt::AltModifier));
        m_keyboardCorner = false; // the mouse takes over a corner the keyboard set
    }
    if (chosenKind().empty())
        pickOnMap(button, at);
    m_gesture.press(button, norvane::snapped(at, m_gestureSnaps), chosenKind());
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseMove(norvane::MapPoint at) {
    dragTo(at);
    const bool held = m_move.active() || m_gesture.rubberBandVisible() || m_band;
    const norvane::MapPoint shown = norvane::snapped(
        at, held ? m_gestureSnaps : snapsWithAlt(Picture1->modifiers().testFlag(Qt::AltModifier)));
    m_gesture.move(shown);
    m_cursor.moveTo(shown);
    showPointer(shown);
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseUp(norvane::MouseButton button, norvane::MapPoint at) {
    if (m_band && button == norvane::MouseButton::Left)
        releaseBand(at);
    drop();
    releasePlacement(button, norvane::snapped(at, m_gestureSnaps));
}

// The release steps of a placement, for the mouse and for Enter on the keyboard.
void MainEditor::releasePlacement(norvane::MouseButton button, norvane::MapPoint at) {
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

void MainEditor::mnu800Item_Click() {
    applyZoom(norvane::ZoomLevel::Percent800);
}

void MainEditor::HScroll1_Change(int position) {
    Picture1->move(norvane::twipsToPixels(-position), Picture1->y());
    hideCrossHair();
}

void MainEditor::VScroll1_Change(int position) {
    Picture1->move(Picture1->x(), norvane::twipsToPixels(-position));
    hideCrossHair();
}

bool MainEditor::eventFilter(QObject* watched, QEvent* event) {
    if (workspaceEvent(watched, event))
        return true;
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
    const QString name = commandName(kPlaceVerb, object.kind);
    pushEdit(new InsertObjectsCommand(editTarget(), scene().count(), {std::move(object)}, name));
}

void MainEditor::selectRow(int row) {
    scene().setSelectedIndex(row);
    {
        const QSignalBlocker blocker(List2->selectionModel());
        if (scene().selectedIndex() < 0)
            List2->clearSelection();
        List2->selectionModel()->setCurrentIndex(m_sceneList->index(scene().selectedIndex()),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    if (scene().selectedIndex() < 0)
        shpSelector->hide();
    List2_Click();
    Picture1->update(); // the markers of a selection of several go
    highlightIn3D(scene().selectedIndex());
    enableSelectionCommands();
    showObjectCount();
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

// The user can choose other rows (Ctrl+click and Shift+click choose several) but not unselect
// the last one: a row stays selected, so the marker always frames what "&Remove Object" removes.
void MainEditor::onList2SelectionChanged() {
    if (m_sceneList->changing())
        return;
    const QModelIndexList chosen = List2->selectionModel()->selectedRows();
    if (chosen.size() < 2) {
        selectRow(chosen.isEmpty() ? scene().selectedIndex() : chosen.front().row());
        return;
    }
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : chosen)
        rows.push_back(static_cast<std::size_t>(index.row()));
    const int current = List2->selectionModel()->currentIndex().row();
    if (std::find(rows.begin(), rows.end(), static_cast<std::size_t>(current)) != rows.end())
        rows.push_back(static_cast<std::size_t>(current)); // the last added is current
    m_document.changeSelection([&rows](norvane::RowSelection& selection) {
        selection.clear();
        selection.add(rows);
    });
}

// A zoom command shows the map's top-left corner at the viewport's.
void MainEditor::applyZoom(norvane::ZoomLevel level) {
    zoomTo(norvane::surfaceTwips(level), level, {0.0f, 0.0f}, {0, 0});
}

void MainEditor::refreshGestureShapes() {
    if (!m_band) {
        Shape1->setMapRect(m_gesture.rubberBand());
        Shape1->setVisible(m_gesture.rubberBandVisible());
    }
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
