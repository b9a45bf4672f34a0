#pragma once

#include "render/Utf8Text.h"

#include "scene/Scene.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <string>
#include <vector>

// `show` with this row keeps the scene's selection as it is (a command on several rows).
constexpr int kKeepSelection = -2;

// Beyond this many touched objects, painting the whole map once is quicker than each one's part.
constexpr std::size_t kMostRedrawnAround = 64;

// The scene that the edit commands change, and how the window shows the result: `show` selects
// a row (-1 for none, kKeepSelection for the scene's selection) and redraws the map where the
// touched objects were or are, or all of it when `touched` is empty (a change of more objects
// than kMostRedrawnAround need not list them). The scene is not owned.
struct SceneEditTarget {
    norvane::Scene* scene = nullptr;
    std::function<void(int row, const std::vector<norvane::SceneObject>& touched)> show;
};

// The names of one kind of change as the Edit menu shows them, texts of the translation context
// "CommandName": on one object, `one` with the kind for %1 ("Place Tree"), and on several,
// `many` with their number for %n ("Move 12 Objects"; nullptr where a change has one object).
struct CommandVerb {
    const char* one;
    const char* many;
};

inline constexpr CommandVerb kPlaceVerb{QT_TRANSLATE_NOOP("CommandName", "Place %1"), nullptr};
inline constexpr CommandVerb kEditVerb{QT_TRANSLATE_NOOP("CommandName", "Edit %1"), nullptr};
inline constexpr CommandVerb kMoveVerb{QT_TRANSLATE_NOOP("CommandName", "Move %1"),
                                       QT_TRANSLATE_NOOP("CommandName", "Move %n Objects")};
inline constexpr CommandVerb kRemoveVerb{QT_TRANSLATE_NOOP("CommandName", "Remove %1"),
                                         QT_TRANSLATE_NOOP("CommandName", "Remove %n Objects")};
inline constexpr CommandVerb kCutVerb{QT_TRANSLATE_NOOP("CommandName", "Cut %1"),
                                      QT_TRANSLATE_NOOP("CommandName", "Cut %n Objects")};
inline constexpr CommandVerb kPasteVerb{QT_TRANSLATE_NOOP("CommandName", "Paste %1"),
                                        QT_TRANSLATE_NOOP("CommandName", "Paste %n Objects")};
inline constexpr CommandVerb kDuplicateVerb{
    QT_TRANSLATE_NOOP("CommandName", "Duplicate %1"),
    QT_TRANSLATE_NOOP("CommandName", "Duplicate %n Objects")};
inline constexpr CommandVerb kTurnVerb{QT_TRANSLATE_NOOP("CommandName", "Turn %1"),
                                       QT_TRANSLATE_NOOP("CommandName", "Turn %n Objects")};
// Properties of several objects at once.
inline constexpr CommandVerb kChangeVerb{kEditVerb.one,
                                         QT_TRANSLATE_NOOP("CommandName", "Change %n Objects")};

// A change's name on one object of `kind`.
inline QString commandName(const CommandVerb& verb, const std::string& kind) {
    return QCoreApplication::translate("CommandName", verb.one).arg(fromUtf8(kind));
}

// A change's name on `count` objects, more than one.
inline QString objectsName(const CommandVerb& verb, std::size_t count) {
    return QCoreApplication::translate("CommandName", verb.many, nullptr, static_cast<int>(count));
}

// A change's name on `objects`, at least one: by the kind of one, by the number of several.
inline QString changeName(const CommandVerb& verb,
                          const std::vector<norvane::SceneObject>& objects) {
    return objects.size() == 1 ? commandName(verb, objects[0].kind)
                               : objectsName(verb, objects.size());
}
