#pragma once

#include "Services.h"

#include "map/Prompt.h"

class QWidget;

// The editing logic's prompt answered by the platform's text prompt, texts passed as UTF-8.
// Holds references only: the prompt service and the parent window must outlive it.
class ServicePrompt : public norvane::Prompt {
public:
    ServicePrompt(TextPrompt& prompt, QWidget* parent) : m_prompt(prompt), m_parent(parent) {}

    std::string ask(std::string_view text, std::string_view title) override;

private:
    TextPrompt& m_prompt;
    QWidget* m_parent;
};
