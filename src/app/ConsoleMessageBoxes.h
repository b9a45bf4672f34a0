#pragma once

#include "Services.h"

// Message boxes for a run without a user (NORVANE_EXIT_AFTER_START): errors go to standard
// error as "Norvane: <text>", notes too (never hidden), and a question is answered No, so
// nothing is ever erased.
class ConsoleMessageBoxes : public MessageBoxes {
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    bool showNote(QWidget* parent, const QString& title, const QString& text) override;
};
