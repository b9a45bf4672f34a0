#include "ScriptedServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Pops the next scripted answer; with none left, fails the running test and returns `none`.
template <typename T> T nextAnswer(std::deque<T>& answers, const char* unexpected, T none) {
    if (answers.empty()) {
        QTest::qFail(unexpected, __FILE__, __LINE__);
        return none;
    }
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

ScriptedServices::ScriptedServices() {
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_dir = dir.path();
}

ScriptedServices::~ScriptedServices() {
    QDir(m_dir).removeRecursively();
    if (m_settings)
        QFile::remove(m_settings->fileName());
}

// Beside the temp dir rather than in it, so listings of the program's folder don't show it.
QSettings& ScriptedServices::settings() {
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(m_dir + QStringLiteral(".settings.ini"),
                                                 QSettings::IniFormat);
    return *m_settings;
}

QString ScriptedServices::inAppDir(const QString& name) const {
    return QDir(m_dir).filePath(name);
}

QString ScriptedServices::ask(QWidget*, const QString& prompt, const QString& title) {
    log << "prompt " + prompt + "|" + title + (promptNote ? promptNote() : QString());
    return nextAnswer(promptAnswers, "unexpected prompt", QString());
}

std::optional<QString> ScriptedServices::askOpen(QWidget*, const QString& directory,
                                                 const QString& filter) {
    return nextFile("open dialog " + directory + " " + filter);
}

std::optional<QString> ScriptedServices::askSave(QWidget*, const QString& directory,
                                                 const QString& filter) {
    return nextFile("save dialog " + directory + " " + filter);
}

std::optional<QString> ScriptedServices::nextFile(const QString& asked) {
    log << asked;
    const QString answer = nextAnswer(fileAnswers, "unexpected file dialog", QString("<cancel>"));
    if (answer == "<cancel>")
        return std::nullopt;
    return answer;
}

bool ScriptedServices::askYesNo(QWidget*, const QString&, const QString& text) {
    log << "question " + text;
    return nextAnswer(yesNoAnswers, "unexpected question", false);
}

bool ScriptedServices::showNote(QWidget*, const QString& title, const QString& text) {
    log << "note " + title + "|" + text;
    return nextAnswer(noteAnswers, "unexpected note", false);
}

void ScriptedServices::showError(QWidget*, const QString&, const QString& text) {
    log << "error " + text;
}

bool ScriptedServices::open(const QString& path) {
    log << "opened " + path;
    return openerWorks;
}

std::optional<norvane::PageOptions>
ScriptedServices::ask(QWidget*, const norvane::PageOptions& shown, const QString& described) {
    log << "page options " + QString::fromStdString(shown.worldFormat) + "|" + described;
    return nextAnswer(pageAnswers, "unexpected page options", {});
}
