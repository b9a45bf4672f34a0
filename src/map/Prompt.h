#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A modal one-line text prompt for the editing logic. Returns the typed text as UTF-8, or ""
// when the user cancels.
class Prompt {
public:
    virtual ~Prompt() = default;
    virtual std::string ask(std::string_view text, std::string_view title) = 0;
};

} // namespace norvane
