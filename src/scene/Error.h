#pragma once

#include <stdexcept>
#include <string>

namespace norvane {

// The one exception type of the core: a one-line reason fit to show to the user.
// Every core operation that can fail on bad input or I/O throws this and nothing else of its own.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& reason) : std::runtime_error(reason) {}
};

} // namespace norvane
