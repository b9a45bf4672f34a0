#include "ServicePrompt.h"

#include <QByteArray>
#include <QString>

namespace {
QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

std::string ServicePrompt::ask(std::string_view text, std::string_view title) {
    return m_prompt.ask(m_parent, fromUtf8(text), fromUtf8(title)).toUtf8().toStdString();
}
