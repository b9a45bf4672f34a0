#pragma once

#include "app/Services.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

// All the services for a window under test: they answer from queues filled by the test and log
// each question, message and opened file, in order. An unexpected question (empty queue) fails
// the running test and answers like a cancel. appDirectory is a fresh temp dir, removed with
// everything in it at the end.
class ScriptedServices : public TextPrompt,
                         public FileDialogs,
                         public MessageBoxes,
                         public DesktopOpener,
                         public PageOptionsPrompt {
public:
    ScriptedServices();
    ~ScriptedServices() override;

    QStringList log;
    std::deque<QString> promptAnswers;
    std::function<QString()> promptNote; // appended to the logged "prompt <prompt>|<title>"
    std::deque<QString> fileAnswers;     // "<cancel>" cancels
    std::deque<bool> yesNoAnswers;       // Yes = true
    std::deque<bool> noteAnswers;        // "Don't show again" ticked = true
    bool openerWorks = true;
    std::deque<std::optional<norvane::PageOptions>> pageAnswers; // nothing cancels

    Services services() { return {*this, *this, *this, *this, *this, m_dir, settings()}; }
    // Kept in the temp dir, so a second window made from these services sees what the first kept.
    QSettings& settings();
    QString appDirectory() const { return m_dir; }
    QString inAppDir(const QString& name) const;

    QString ask(QWidget*, const QString& prompt, const QString& title) override;
    std::optional<QString> askOpen(QWidget*, const QString& directory,
                                   const QString& filter) override;
    std::optional<QString> askSave(QWidget*, const QString& directory,
                                   const QString& filter) override;
    bool askYesNo(QWidget*, const QString& title, const QString& text) override;
    void showError(QWidget*, const QString&, const QString& text) override;
    bool showNote(QWidget*, const QString& title, const QString& text) override;
    bool open(const QString& path) override;
    std::optional<norvane::PageOptions> ask(QWidget*, const norvane::PageOptions& shown,
                                            const QString& described) override;

private:
    QString m_dir;
    std::unique_ptr<QSettings> m_settings;
    std::optional<QString> nextFile(const QString& asked);
};
