#pragma once

#include "Services.h"

#include <QSettings>

#include <utility>

// The Qt implementations of the platform services, and a bundle that owns one of each.

// QInputDialog with the prompt and title; "" when cancelled.
class QtTextPrompt : public TextPrompt {
public:
    QString ask(QWidget* parent, const QString& prompt, const QString& title) override;
};

// QFileDialog starting in `directory` with the one name filter; no default suffix.
// Open wants an existing file; Save asks before replacing one, as the platform does.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> askOpen(QWidget* parent, const QString& directory,
                                   const QString& filter) override;
    std::optional<QString> askSave(QWidget* parent, const QString& directory,
                                   const QString& filter) override;
};

// QMessageBox: the Yes/No question carries no icon; errors carry the warning icon.
class QtMessageBoxes : public MessageBoxes {
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    bool showNote(QWidget* parent, const QString& title, const QString& text) override;
};

// QDesktopServices: opens a local file with the desktop's associated application.
class QtDesktopOpener : public DesktopOpener {
public:
    bool open(const QString& path) override;
};

// PageOptionsDialog, modal over `parent`.
class QtPageOptionsPrompt : public PageOptionsPrompt {
public:
    std::optional<norvane::PageOptions> ask(QWidget* parent, const norvane::PageOptions& shown,
                                            const QString& described) override;
};

// One of each Qt service, handed out as Services for the windows. Must outlive them.
class QtServices {
public:
    explicit QtServices(QString appDirectory) : m_appDirectory(std::move(appDirectory)) {}

    Services services() {
        return {m_prompt, m_files, m_messages, m_opener, m_pageOptions, m_appDirectory, m_settings};
    }

private:
    QtTextPrompt m_prompt;
    QtFileDialogs m_files;
    QtMessageBoxes m_messages;
    QtDesktopOpener m_opener;
    QtPageOptionsPrompt m_pageOptions;
    QString m_appDirectory;
    QSettings m_settings; // the user's, under the application's organization and name
};
