#include "ServicePrompt.h"

#include "CoreText.h"

#include <QByteArray>
#include <QString>

std::string ServicePrompt::ask(std::string_view text, std::string_view title) {
    return m_prompt.ask(m_parent, coreText(text), coreText(title)).toUtf8().toStdString();
}
