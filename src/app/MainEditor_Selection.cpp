// Selecting several objects: Shift+click and the rubber band on the map, Ctrl+A, Esc, the list's
// extended selection, the markers, and moving, nudging and removing the selection as one step.
#include "MainEditor.h"

#include "ChangeObjectCommand.h"
#include "MapShape.h"
#include "SceneListModel.h"

#include "map/MapHit.h"
#include "map/ObjectMove.h"
#include "map/SelectionMarker.h"
#include "map/Snapping.h"
#include "map/StatusText.h"

#include <QAction>
#include <QItemSelection>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

#include <algorithm>

void MainEditor::buildSelectionCommands() {
    mnuSelectAllItem = new QAction(tr("Select &All"), this);
    mnuSelectAllItem->setObjectName(QStringLiteral("mnuSelectAllItem"));
    mnuSelectAllItem->setShortcut(QKeySequence::SelectAll);
    mnuEditItem->insertAction(mnuSelectItem, mnuSelectAllItem);
    connect(mnuSelectAllItem, &QAction::triggered, this, &MainEditor::mnuSelectAllItem_Click);
    List2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Picture1->setOverlay(
        [this](QPainter& painter, const QRect& pixels) { paintSelectionMarkers(painter, pixels); });
}

void MainEditor::mnuSelectAllItem_Click() {
    m_document.changeSelection(
        [this](norvane::RowSelection& selection) { selection.selectRange(0, scene().count()); });
}

// The list, the marker, the 3D view, the commands and the status bar after a change of the
// selection.
void MainEditor::showSelection() {
    const norvane::RowSelection& selection = scene().selection();
    {
        const QSignalBlocker blocker(List2->selectionModel());
        QItemSelection rows;
        const std::vector<std::size_t>& selected = selection.rows();
        for (std::size_t first = 0, last = 0; first < selected.size(); first = last) {
            for (last = first + 1;
                 last < selected.size() && selected[last] == selected[last - 1] + 1;)
                ++last; // one range for each run of rows
            rows.select(m_sceneList->index(static_cast<int>(selected[first])),
                        m_sceneList->index(static_cast<int>(selected[last - 1])));
        }
        List2->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        List2->selectionModel()->setCurrentIndex(m_sceneList->index(selection.current()),
                                                 QItemSelectionModel::NoUpdate);
    }
    if (selection.current() < 0)
        shpSelector->hide();
    List2_Click();
    Picture1->update();
    highlightIn3D(selection.current());
    enableSelectionCommands();
    showObjectCount();
}

// Every selected object but the current one, which shpSelector frames, when several are.
void MainEditor::paintSelectionMarkers(QPainter& painter, const QRect& pixels) {
    const norvane::RowSelection& selection = scene().selection();
    if (selection.count() < 2)
        return;
    const int twips = surfaceTwips();
    for (std::size_t row : selection.rows()) {
        if (static_cast<int>(row) == selection.current() || row >= scene().count())
            continue;
        const auto marker = norvane::selectionMarker(scene().row(row), twips, twips);
        const QRect outline =
            marker ? MapShape::pixelRect(*marker, Picture1->size()).adjusted(0, 0, -1, -1)
                   : QRect();
        if (outline.intersects(pixels))
            MapShape::paintOutline(painter, MapShape::Look::Ring, outline);
    }
}

// Shift+click adds an object or takes it out; a press on one of several selected objects drags
// them all; on empty ground a rubber band starts, Shift keeping what is selected.
void MainEditor::pickOnMap(norvane::MouseButton button, norvane::MapPoint at) {
    if (button != norvane::MouseButton::Left)
        return;
    const bool adding = Picture1->modifiers().testFlag(Qt::ShiftModifier);
    const std::optional<std::size_t> hit = norvane::hitTest(scene(), at);
    norvane::RowSelection& selection = scene().selection();
    if (!hit) {
        if (!adding)
            selectRow(-1);
        shpSelector->setVisible(selection.current() >= 0);
        m_band = at;
        return;
    }
    if (adding) {
        m_document.changeSelection([&hit](norvane::RowSelection& all) { all.toggle(*hit); });
        return;
    }
    m_dragged.clear();
    if (selection.count() > 1 && selection.contains(*hit)) {
        for (std::size_t row : selection.rows())
            if (row != *hit)
                m_dragged.emplace_back(row, scene().row(row));
        m_document.changeSelection([&hit](norvane::RowSelection& all) { all.setCurrent(*hit); });
    } else {
        selectRow(static_cast<int>(*hit));
    }
    m_move.press(*hit, scene().row(*hit), at);
}

norvane::MapRect MainEditor::bandRect(norvane::MapPoint to) const {
    return {std::min(m_band->x, to.x), std::min(m_band->y, to.y), std::abs(to.x - m_band->x),
            std::abs(to.y - m_band->y)};
}

// The rubber band's release adds the objects whose symbols it touches.
void MainEditor::releaseBand(norvane::MapPoint at) {
    const norvane::MapRect band = bandRect(at);
    m_band.reset();
    Shape1->hide();
    std::vector<std::size_t> touched;
    for (std::size_t row = 0; row < scene().count(); ++row) {
        const auto bounds = norvane::symbolBounds(scene().row(row));
        if (bounds && norvane::overlaps(*bounds, band))
            touched.push_back(row);
    }
    m_document.changeSelection([&touched](norvane::RowSelection& all) { all.add(touched); });
}

// The dragged object follows the pointer on the map, the others of the selection by as much;
// the drop makes it one change.
void MainEditor::dragTo(norvane::MapPoint at) {
    if (m_band) {
        Shape1->setMapRect(bandRect(at));
        Shape1->setVisible(at.x != m_band->x || at.y != m_band->y);
        return;
    }
    std::optional<norvane::SceneObject> moved = m_move.moveTo(at);
    if (moved && m_gestureSnaps)
        moved = norvane::snappedObject(*moved);
    if (!moved || m_move.row() >= scene().count())
        return;
    const auto offset = norvane::offsetBetween(m_move.original(), *moved);
    // A few objects are redrawn where they were and are; many, by painting the map once.
    const bool few = m_dragged.size() < kMostRedrawnAround;
    std::vector<std::size_t> rows{m_move.row()};
    std::vector<norvane::SceneObject> now{*moved};
    std::vector<norvane::SceneObject> touched{scene().row(m_move.row()), *moved};
    rows.reserve(m_dragged.size() + 1), now.reserve(m_dragged.size() + 1);
    for (const auto& [row, original] : m_dragged) {
        auto follower = offset ? norvane::movedBy(original, *offset) : std::nullopt;
        if (!follower || row >= scene().count())
            continue;
        rows.push_back(row);
        if (few)
            touched.push_back(scene().row(row)), touched.push_back(*follower);
        now.push_back(std::move(*follower));
    }
    scene().replace(rows, now);
    List2_Click();
    if (few)
        redrawAround(touched);
    else
        Render2D();
    Picture1->update();
}

void MainEditor::drop() {
    if (!m_move.active())
        return;
    m_move.end();
    const std::size_t row = m_move.row();
    if (row >= scene().count()) // an undo during the drag took the row away
        return;
    std::vector<std::size_t> rows{row};
    std::vector<norvane::SceneObject> now{scene().row(row)}, before{m_move.original()};
    for (const auto& [follower, original] : m_dragged) {
        if (follower >= scene().count())
            continue;
        rows.push_back(follower);
        now.push_back(scene().row(follower));
        before.push_back(original);
    }
    scene().replace(rows, before);
    m_dragged.clear();
    if (now[0] == m_move.original())
        return;
    const QString name = changeName(kMoveVerb, now);
    pushEdit(new ChangeObjectCommand(editTarget(), std::move(rows), std::move(now), name));
}
