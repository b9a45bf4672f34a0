#include "TextDiff.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace norvane::test {

namespace {

std::string visible(std::string_view line) {
    std::string out;
    for (char c : line) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

// The line that contains byte offset `at` of `text`, with its line end.
std::string_view lineAt(std::string_view text, std::size_t at) {
    std::size_t begin = text.rfind('\n', at == 0 ? 0 : at - 1);
    begin = (begin == std::string_view::npos || at == 0) ? 0 : begin + 1;
    std::size_t end = text.find('\n', at);
    end = end == std::string_view::npos ? text.size() : end + 1;
    return text.substr(begin, end - begin);
}

} // namespace

::testing::AssertionResult sameText(std::string_view expected, std::string_view actual) {
    if (expected == actual)
        return ::testing::AssertionSuccess();
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const auto lineNumber = 1 + std::count(expected.begin(), expected.begin() + at, '\n');
    return ::testing::AssertionFailure()
           << "texts differ at line " << lineNumber << " (byte " << at << ")\n"
           << "  expected: \"" << visible(lineAt(expected, at)) << "\"\n"
           << "  actual:   \"" << visible(lineAt(actual, at)) << "\"\n"
           << "  sizes: expected " << expected.size() << ", actual " << actual.size();
}

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::size_t countOf(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::vector<std::string> crlfLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find("\r\n");
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return lines;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return {};
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string dataDir() {
    const char* dir = std::getenv("NORVANE_TEST_DATA");
    return dir ? dir : "tests/data";
}

} // namespace norvane::test
