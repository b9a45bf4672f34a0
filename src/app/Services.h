#pragma once

#include "webpage/WebPageExport.h"

#include <QString>

#include <optional>

class QSettings;
class QWidget;

// The platform services the windows use, behind small interfaces so tests can script them.
// The Qt implementations live in QtServices; tests use the scripted ones in tests/app/support.

// A modal one-line text prompt. Returns "" when the user cancels.
class TextPrompt {
public:
    virtual ~TextPrompt() = default;
    virtual QString ask(QWidget* parent, const QString& prompt, const QString& title) = 0;
};

// The Open and Save file dialogs. `filter` is a Qt name filter such as "Norvane Files (*.NSC)",
// or several joined by ";;" (a name saved without an extension then gets the chosen filter's).
// Return the full chosen path, or nothing when the dialog was cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> askOpen(QWidget* parent, const QString& directory,
                                           const QString& filter) = 0;
    virtual std::optional<QString> askSave(QWidget* parent, const QString& directory,
                                           const QString& filter) = 0;
};

// Modal message boxes: a Yes/No question (true for Yes), an error message, and a note with a
// "Don't show again" check box (true when it was ticked).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual bool showNote(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The desktop's "open" service: hands a file (or an http:// address, to the browser) to its
// associated application without waiting.
// Returns false when the desktop could not open it.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual bool open(const QString& path) = 0;
};

// The Page Options dialog of Export Web Page: how the page presents its world, starting from
// `shown`; `described` is what an empty description stands for. Nothing when cancelled.
class PageOptionsPrompt {
public:
    virtual ~PageOptionsPrompt() = default;
    virtual std::optional<norvane::PageOptions>
    ask(QWidget* parent, const norvane::PageOptions& shown, const QString& described) = 0;
};

// Everything a window needs from the platform. Not owned: the caller keeps the services alive
// for as long as the windows that use them.
struct Services {
    TextPrompt& prompt;
    FileDialogs& files;
    MessageBoxes& messages;
    DesktopOpener& opener;
    PageOptionsPrompt& pageOptions;
    QString appDirectory; // where tester.wrl, Manual.htm, textures and music files live
    QSettings& settings;  // what the editor keeps between runs (window, zoom, dock, recent files)
};
