// Placing from the keyboard: while the map has focus and a kind is chosen, the arrow keys move
// the cross-hair by 1 m (with Shift by 0.1 m), Enter places a point kind at it or sets an area's
// corners one after the other, and Escape abandons the first corner. The placement runs the
// same steps as the mouse's.
#include "MainEditor.h"

#include "ArrowKeys.h"

#include "map/Snapping.h"
#include "scene/Catalogue.h"

#include <QKeyEvent>

#include <array>

// Space held arms panning with the left button; Escape with a first corner set abandons it
// rather than choosing Select. Returns true for the keys it took.
bool MainEditor::mapKeyEvent(QKeyEvent* key) {
    if (key->key() == Qt::Key_Space) {
        if (!key->isAutoRepeat() && key->type() != QEvent::ShortcutOverride)
            m_spaceHeld = key->type() == QEvent::KeyPress;
        return key->type() != QEvent::ShortcutOverride;
    }
    if (key->type() == QEvent::ShortcutOverride) {
        if (key->key() != Qt::Key_Escape || !m_keyboardCorner)
            return false;
        key->accept();
        return true;
    }
    return key->type() == QEvent::KeyPress &&
           keyboardPlacementKey(key->key(), key->modifiers().testFlag(Qt::ShiftModifier));
}

// With no kind chosen the arrow keys move the selected object instead (mapKeyPressed).
bool MainEditor::keyboardPlacementKey(int key, bool fine) {
    if (chosenKind().empty())
        return false;
    if (const std::optional<ArrowDirection> arrow = arrowDirection(key)) {
        m_cursor.step(arrow->dx, arrow->dy, fine);
        showKeyboardCursor();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        enterAtCursor();
        return true;
    }
    if (key != Qt::Key_Escape || !m_keyboardCorner)
        return false;
    m_keyboardCorner = false;
    m_gesture.abandon();
    refreshGestureShapes();
    return true;
}

// Scrolls the cursor into view first: scrolling hides the cross-hair, which then shows it.
void MainEditor::showKeyboardCursor() {
    const norvane::MapPoint at = norvane::snapped(m_cursor.at(), snapsWithAlt(false));
    scrollToShow(at);
    m_gesture.move(at);
    refreshGestureShapes();
    showPointer(at);
}

void MainEditor::enterAtCursor() {
    const norvane::MapPoint at = norvane::snapped(m_cursor.at(), snapsWithAlt(false));
    if (!m_keyboardCorner) {
        m_gesture.press(norvane::MouseButton::Left, at, chosenKind());
        if (norvane::isAreaKind(chosenKind())) {
            m_keyboardCorner = true;
            refreshGestureShapes();
            return;
        }
    }
    m_keyboardCorner = false;
    releasePlacement(norvane::MouseButton::Left, at);
}
