#pragma once

#include "app/Services.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Services that answer from queues filled by the test and record what they were asked.
// An unexpected question (empty queue) fails the running test and answers like a cancel.

class ScriptedPrompt : public TextPrompt {
public:
    std::deque<QString> answers;
    QStringList asked;                         // "prompt|title"
    std::function<void(const QString&)> onAsk; // runs with "prompt|title" before answering

    QString ask(QWidget* parent, const QString& prompt, const QString& title) override;
};

class ScriptedFileDialogs : public FileDialogs {
public:
    std::deque<std::optional<QString>> answers; // nothing = cancel
    struct Asked {
        bool save;
        QString directory;
        QString filter;
    };
    std::vector<Asked> asked;

    std::optional<QString> askOpen(QWidget* parent, const QString& directory,
                                   const QString& filter) override;
    std::optional<QString> askSave(QWidget* parent, const QString& directory,
                                   const QString& filter) override;

private:
    std::optional<QString> next(bool save, const QString& directory, const QString& filter);
};

class ScriptedMessages : public MessageBoxes {
public:
    std::deque<bool> answers; // Yes = true
    QStringList questions;
    QStringList errors;

    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void showError(QWidget*, const QString&, const QString& text) override { errors << text; }
};

class ScriptedOpener : public DesktopOpener {
public:
    QStringList opened;
    bool result = true;

    bool open(const QString& path) override {
        opened << path;
        return result;
    }
};

// One of each, bundled as Services for a window under test; appDirectory is a fresh temp dir,
// removed with everything in it at the end.
class ScriptedServices {
public:
    ScriptedServices();
    ~ScriptedServices();

    ScriptedPrompt prompt;
    ScriptedFileDialogs files;
    ScriptedMessages messages;
    ScriptedOpener opener;
    Services services() { return {prompt, files, messages, opener, m_dir}; }
    QString appDirectory() const { return m_dir; }
    QString inAppDir(const QString& name) const;

private:
    QString m_dir;
};
