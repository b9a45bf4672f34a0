#include "TextDiff.h"

#include "GoldenFile.h"

#include <algorithm>

namespace norvane::test {

namespace {

// The line of `text` around byte offset `at`, with CR and LF shown as \r and \n.
std::string visibleLineAt(std::string_view text, std::size_t at) {
    const std::size_t begin = at == 0 ? 0 : text.rfind('\n', at - 1) + 1; // npos + 1 == 0
    const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
    std::string out;
    for (char c : text.substr(begin, end - begin))
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

} // namespace

::testing::AssertionResult sameText(std::string_view expected, std::string_view actual) {
    if (expected == actual)
        return ::testing::AssertionSuccess();
    const auto at =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first -
        expected.begin();
    return ::testing::AssertionFailure()
           << "texts differ at line "
           << 1 + std::count(expected.begin(), expected.begin() + at, '\n') << " (byte " << at
           << ")\n  expected: \"" << visibleLineAt(expected, at) << "\"\n  actual:   \""
           << visibleLineAt(actual, at) << "\"\n  sizes: expected " << expected.size()
           << ", actual " << actual.size();
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
    const std::string bytes = fileBytesOr(path);
    if (bytes == "<missing " + path + ">")
        ADD_FAILURE() << "cannot read " << path;
    return bytes == "<missing " + path + ">" ? "" : bytes;
}

std::string dataDir() {
    const char* dir = std::getenv("NORVANE_TEST_DATA");
    return dir ? dir : "tests/data";
}

::testing::AssertionResult sameTable(const std::string& name, const TableRow& row) {
    std::istringstream lines(readFile(dataDir() + "/" + name));
    std::string actual;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        for (std::size_t begin = 0, end = 0; end != std::string::npos; begin = end + 1)
            fields.push_back(line.substr(begin, (end = line.find('|', begin)) - begin));
        actual += row(fields) + "\n";
    }
    return sameText(goldenText(dataDir() + "/" + name, actual), actual);
}

} // namespace norvane::test
