#include "ScriptedServices.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

QString ScriptedPrompt::ask(QWidget*, const QString& prompt, const QString& title) {
    asked.push_back({prompt, title});
    if (answers.empty()) {
        QTest::qFail("unexpected prompt", __FILE__, __LINE__);
        return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedFileDialogs::askOpen(QWidget*, const QString& directory,
                                                    const QString& filter) {
    return next(false, directory, filter);
}

std::optional<QString> ScriptedFileDialogs::askSave(QWidget*, const QString& directory,
                                                    const QString& filter) {
    return next(true, directory, filter);
}

std::optional<QString> ScriptedFileDialogs::next(bool save, const QString& directory,
                                                 const QString& filter) {
    asked.push_back({save, directory, filter});
    if (answers.empty()) {
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    // Moving the answer out keeps GCC's -Wmaybe-uninitialized quiet about optional<QString>.
    std::optional<QString> answer = std::move(answers.front());
    answers.pop_front();
    if (!answer)
        return std::nullopt;
    return QString(*answer);
}

bool ScriptedMessages::askYesNo(QWidget*, const QString&, const QString& text) {
    questions << text;
    if (answers.empty()) {
        QTest::qFail("unexpected question", __FILE__, __LINE__);
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedMessages::showError(QWidget*, const QString&, const QString& text) {
    errors << text;
}

bool ScriptedOpener::open(const QString& path) {
    opened << path;
    return result;
}

ScriptedServices::ScriptedServices() {
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_dir = dir.path();
}

ScriptedServices::~ScriptedServices() {
    QDir(m_dir).removeRecursively();
}

Services ScriptedServices::services() {
    return {prompt, files, messages, opener, m_dir};
}

QString ScriptedServices::appDirectory() const {
    return m_dir;
}
