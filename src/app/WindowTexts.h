#pragma once

#include <QStringList>

class QWidget;

// Every text a user meets in `window` without opening anything but its menus: the title, each
// menu with its items, and the captions, hover hints and accessible names and descriptions of
// its controls, in the order they were made, one a line as "<objectName> <what>: <text>" (the
// class's name for an object without a name). Line breaks inside a text are written as "\n".
// For the start-up check of the real program.
QStringList windowTexts(const QWidget& window);
