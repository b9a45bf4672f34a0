#pragma once

#include "ProgramFolder.h"

#include <QString>

#include <array>

// The starter scenes shipped with the program, offered by File > "New from Template".
struct SceneTemplate {
    const char* objectName; // of its menu item
    const char* caption;
    const char* fileName; // in the template folder
};

inline constexpr std::array<SceneTemplate, 3> kSceneTemplates{{
    {"mnuTemplateStreetItem", QT_TRANSLATE_NOOP("MainEditor", "&Street with Sidewalks"),
     "street.NSC"},
    {"mnuTemplateMazeItem", QT_TRANSLATE_NOOP("MainEditor", "&Hedge Maze"), "maze.NSC"},
    {"mnuTemplateOfficeItem", QT_TRANSLATE_NOOP("MainEditor", "&Office Floor"), "office.NSC"},
}};

// The folder the templates are read from: "templates" beside the executable when it holds them
// (a build tree), otherwise "templates" in the installed data folder.
QString templateFolder(const ProgramFolderPlaces& places);
