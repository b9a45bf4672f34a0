#include "CommandLine.h"

#include <algorithm>

namespace norvane {

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool namesSceneFile(std::string_view commandLine) {
    constexpr std::string_view extension = "NSC";
    auto sameLetter = [](char a, char b) { return upper(a) == b; };
    return std::search(commandLine.begin(), commandLine.end(), extension.begin(), extension.end(),
                       sameLetter) != commandLine.end();
}

std::string unquotePath(std::string_view commandLine) {
    std::string_view path = commandLine;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return std::string(path);
}

} // namespace norvane
