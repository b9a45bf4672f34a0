#pragma once

#include "render/Utf8Text.h"

#include "scene/Scene.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

// `show` with this row keeps the scene's selection as it is (a command on several rows).
constexpr int kKeepSelection = -2;

// The scene that the edit commands change, and how the window shows the result: `show` selects
// a row (-1 for none, kKeepSelection for the scene's selection) and redraws the map where the
// touched objects were or are. The scene is not owned.
struct SceneEditTarget {
    norvane::Scene* scene = nullptr;
    std::function<void(int row, const std::vector<norvane::SceneObject>& touched)> show;
};

// A command's name as the Edit menu shows it: "Place Tree", "Remove Street".
inline QString commandName(const char* verb, const std::string& kind) {
    return QLatin1String(verb) + QLatin1Char(' ') + fromUtf8(kind);
}

// A command's name on several objects: "Move 12 Objects".
inline QString objectsName(const QString& verb, std::size_t count) {
    return QStringLiteral("%1 %2 Objects").arg(verb).arg(count);
}
