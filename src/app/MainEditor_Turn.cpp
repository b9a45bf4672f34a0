// Turning the selected objects from the Edit menu's Turn submenu and its keys, and Properties of
// several selected objects. Each object turns about its own point: only its orientation text
// changes. Area kinds keep to the map's axes and are left as they are.
#include "MainEditor.h"

#include "ChangeObjectCommand.h"
#include "CoreText.h"
#include "SharedProperties.h"

#include "scene/Catalogue.h"
#include "scene/Orientation.h"

#include <QMenu>
#include <QStatusBar>

#include <array>

namespace {

// How long the status bar shows why nothing turned.
constexpr int kRefusalMilliseconds = 5000;

// An item of the Turn submenu: its keys, and the turn in degrees counterclockwise on the map, or
// none for the next quarter turn. "]" turns clockwise as a clock's hand does, "[" the other way;
// Shift makes the step 1°. "Shift+{" and "Shift+}" are what keyboards that put the braces on the
// shifted brackets send.
struct TurnItem {
    const char* name;
    const char* caption;
    QKeyCombination key;
    QKeyCombination otherKey; // Qt::Key_unknown where there is none
    std::optional<double> degrees;
};

const std::array<TurnItem, 5> kTurnItems{{
    {"mnuTurnLeftItem",
     QT_TRANSLATE_NOOP("MainEditor", "Turn &Left by 15°"),
     Qt::Key_BracketLeft,
     {},
     15.0},
    {"mnuTurnRightItem",
     QT_TRANSLATE_NOOP("MainEditor", "Turn &Right by 15°"),
     Qt::Key_BracketRight,
     {},
     -15.0},
    {"mnuTurnLeftFineItem", QT_TRANSLATE_NOOP("MainEditor", "Turn Left by &1°"),
     Qt::SHIFT | Qt::Key_BracketLeft, Qt::SHIFT | Qt::Key_BraceLeft, 1.0},
    {"mnuTurnRightFineItem", QT_TRANSLATE_NOOP("MainEditor", "Turn Right by 1°"),
     Qt::SHIFT | Qt::Key_BracketRight, Qt::SHIFT | Qt::Key_BraceRight, -1.0},
    {"mnuTurnQuarterItem",
     QT_TRANSLATE_NOOP("MainEditor", "Turn to the Next &Quarter"),
     Qt::CTRL | Qt::Key_R,
     {},
     std::nullopt},
}};

std::function<std::string(std::string_view)> turnOf(std::optional<double> degrees) {
    if (!degrees)
        return [](std::string_view text) { return norvane::nextQuarterTurn(text); };
    return [by = *degrees](std::string_view text) { return norvane::turnedOrientation(text, by); };
}

} // namespace

void MainEditor::buildTurnMenu() {
    mnuTurnItem = new QMenu(tr("Tur&n"), this);
    mnuTurnItem->setObjectName(QStringLiteral("mnuTurnItem"));
    mnuEditItem->insertMenu(mnuSelectAllItem, mnuTurnItem);
    for (const TurnItem& item : kTurnItems) {
        QAction* action = mnuTurnItem->addAction(tr(item.caption));
        action->setObjectName(QLatin1String(item.name));
        QList<QKeySequence> keys{item.key};
        if (item.otherKey.key() != Qt::Key_unknown)
            keys << item.otherKey;
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this,
                [this, turn = turnOf(item.degrees)] { turnSelected(turn); });
    }
}

// One change of every selected object that turns; the others stay in it unchanged, so that undo
// and redo keep the selection. With none that turns, the status bar says why.
void MainEditor::turnSelected(const std::function<std::string(std::string_view)>& turned) {
    const std::vector<std::size_t>& rows = scene().selection().rows();
    if (rows.empty() || m_move.active())
        return;
    std::vector<norvane::SceneObject> after, changed;
    for (std::size_t row : rows) {
        norvane::SceneObject object = scene().row(row);
        if (norvane::isTurnable(object.kind)) {
            object.list5 = turned(object.list5);
            changed.push_back(object);
        }
        after.push_back(std::move(object));
    }
    if (changed.empty()) {
        const std::string refusal = norvane::turnRefusal(scene().row(rows.front()).kind);
        statusBar()->showMessage(coreText(refusal), kRefusalMilliseconds);
        return;
    }
    pushEdit(new ChangeObjectCommand(editTarget(), rows, std::move(after),
                                     changeName(kTurnVerb, changed)));
}

void MainEditor::editSelectedTogether() {
    const std::vector<std::size_t> rows = scene().selection().rows();
    const std::vector<norvane::SceneObject> objects = selectedObjects();
    const std::optional<std::vector<norvane::SceneObject>> edited =
        SharedProperties::edit(this, objects);
    if (edited && *edited != objects)
        pushEdit(new ChangeObjectCommand(editTarget(), rows, *edited,
                                         objectsName(kChangeVerb, rows.size())));
}
