#pragma once

#include <span>

class QWidget;

// What a screen reader says for one control of a window, found by its control name. The name
// and the description are English texts of the translation context "AccessibleText".
struct AccessibleText {
    const char* control;     // the objectName
    const char* name;        // nullptr: the visible caption is the name
    const char* description; // nullptr: the hover hint is the description
};

// Gives the named children of `window` their accessible names and descriptions. Visible captions
// and hints stay as they are.
void describeControls(QWidget* window, std::span<const AccessibleText> texts);
