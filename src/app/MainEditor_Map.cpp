// The map slots of the main window: placement, selection, removal, zoom and scrolling.
#include "MainEditor.h"

#include "render/MapPicture.h"

#include "map/SceneEdits.h"
#include "map/SelectionMarker.h"
#include "scene/Catalogue.h"
#include "scene/Orientation.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
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

QString fromUtf8(const std::string& text) {
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
    for (const norvane::SceneObject& row : m_scene.rows())
        List2->addItem(fromUtf8(row.kind));
    selectRow(m_scene.selectedIndex());
}

void MainEditor::List1_Click() {
    if (!chosenKind().empty())
        Picture1->setToolTip(QString::fromLatin1(norvane::placementHint(chosenKind())));
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
    if (!norvane::removeSelected(m_scene))
        return;
    {
        const QSignalBlocker blocker(List2);
        delete List2->takeItem(row);
    }
    selectRow(m_scene.selectedIndex());
    Render2D();
    if (m_scene.empty())
        shpSelector->hide();
    Saved = false;
}

void MainEditor::Picture1_MouseDown(norvane::MouseButton button, norvane::MapPoint at) {
    m_gesture.press(button, at, chosenKind());
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseMove(norvane::MapPoint at) {
    m_gesture.move(at);
    refreshGestureShapes();
}

void MainEditor::Picture1_MouseUp(norvane::MouseButton button, norvane::MapPoint at) {
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

bool MainEditor::eventFilter(QObject* watched, QEvent* event) {
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
    const QString kind = fromUtf8(object.kind);
    norvane::placeObject(m_scene, std::move(object));
    {
        const QSignalBlocker blocker(List2);
        List2->addItem(kind);
    }
    selectRow(m_scene.selectedIndex());
    Render2D();
    Saved = false;
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
