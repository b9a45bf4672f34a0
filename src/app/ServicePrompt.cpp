#include "ServicePrompt.h"

#include "render/Utf8Text.h"

#include <QByteArray>
#include <QString>

std::string ServicePrompt::ask(std::string_view text, std::string_view title) {
    return m_prompt.ask(m_parent, fromUtf8(text), fromUtf8(title)).toUtf8().toStdString();
}
