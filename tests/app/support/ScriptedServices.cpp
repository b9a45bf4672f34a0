#include "ScriptedServices.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

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

QString ScriptedPrompt::ask(QWidget*, const QString& prompt, const QString& title) {
    asked << prompt + "|" + title;
    if (onAsk)
        onAsk(asked.back());
    return nextAnswer(answers, "unexpected prompt", QString());
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
    return nextAnswer(answers, "unexpected question", false);
}

ScriptedServices::ScriptedServices() {
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    m_dir = dir.path();
}

ScriptedServices::~ScriptedServices() {
    QDir(m_dir).removeRecursively();
}

QString ScriptedServices::inAppDir(const QString& name) const {
    return QDir(m_dir).filePath(name);
}
