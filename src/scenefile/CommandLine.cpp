#include "CommandLine.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr std::string_view kWhitespace = " \t\r\n\v\f";

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kWhitespace);
    return text.substr(first, last - first + 1);
}

} // namespace

bool namesSceneFile(std::string_view commandLine) {
    constexpr std::string_view extension = "NSC";
    auto sameLetter = [](char a, char b) { return upper(a) == b; };
    return std::search(commandLine.begin(), commandLine.end(), extension.begin(), extension.end(),
                       sameLetter) != commandLine.end();
}

std::string unquotePath(std::string_view commandLine) {
    std::string_view path = trimmed(commandLine);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return std::string(path);
}

} // namespace norvane
