#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <array>
#include <functional>
#include <utility>

namespace {

using Text = std::function<QString(const QWidget&)>;

QString caption(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    if (const auto* dock = qobject_cast<const QDockWidget*>(&widget))
        return dock->windowTitle();
    return {};
}

const std::array<std::pair<const char*, Text>, 4> kTexts{{
    {"caption", caption},
    {"hint", [](const QWidget& widget) { return widget.toolTip(); }},
    {"name", [](const QWidget& widget) { return widget.accessibleName(); }},
    {"description", [](const QWidget& widget) { return widget.accessibleDescription(); }},
}};

// An object without a name goes by its class's.
QString line(const QObject& object, const char* what, QString text) {
    const QString name = object.objectName().isEmpty()
                             ? QLatin1String(object.metaObject()->className())
                             : object.objectName();
    return name + QLatin1Char(' ') + QLatin1String(what) + QStringLiteral(": ") +
           text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// A menu's title, then its items, submenus among them, as the menu shows them.
void addMenu(const QWidget& menu, const QString& title, QStringList& lines) {
    lines << line(menu, "menu", title);
    for (const QAction* action : menu.actions())
        if (!action->isSeparator() && action->isVisible()) {
            const QObject* named = action->menu() ? static_cast<const QObject*>(action->menu())
                                                  : static_cast<const QObject*>(action);
            lines << line(*named, "item", action->text());
        }
}

} // namespace

QStringList windowTexts(const QWidget& window) {
    QStringList lines{line(window, "title", window.windowTitle())};
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        addMenu(*bar, {}, lines);
    for (const QMenu* menu : window.findChildren<QMenu*>())
        if (!menu->objectName().isEmpty()) // not the bar's own menu of what does not fit
            addMenu(*menu, menu->title(), lines);
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget))
            continue;
        for (const auto& [what, text] : kTexts)
            if (const QString shown = text(*widget); !shown.isEmpty())
                lines << line(*widget, what, shown);
    }
    return lines;
}
