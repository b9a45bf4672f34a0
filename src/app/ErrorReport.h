#pragma once

#include <functional>

class MessageBoxes;
class QWidget;

// Runs `action`. When it throws, shows the reason in one error box titled "Norvane" over
// `parent` and returns false; returns true when it ran through. Core errors carry a one-line
// reason that names the file; other exceptions are reported with their own text.
bool runOrReport(QWidget* parent, MessageBoxes& messages, const std::function<void()>& action);
