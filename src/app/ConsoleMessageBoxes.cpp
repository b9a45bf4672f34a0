#include "ConsoleMessageBoxes.h"

#include <cstdio>

bool ConsoleMessageBoxes::askYesNo(QWidget*, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s (answered No)\n", qPrintable(title), qPrintable(text));
    return false;
}

void ConsoleMessageBoxes::showError(QWidget*, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

bool ConsoleMessageBoxes::showNote(QWidget*, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    return false;
}
