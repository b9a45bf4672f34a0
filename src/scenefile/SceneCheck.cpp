#include "SceneCheck.h"

#include "LineReader.h"
#include "SceneFile.h"
#include "TextHalves.h"
#include "scene/Catalogue.h"
#include "scene/NumberText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <thread>

namespace norvane {

namespace {

using Record = std::array<std::string_view, kLinesPerObject>;

constexpr std::size_t kShownLength = 40;

// Where to cut a long value: at kShownLength bytes, moved back to the start of a UTF-8 character.
std::size_t shownLength(std::string_view value) {
    std::size_t cut = std::min(value.size(), kShownLength);
    while (cut > 0 && cut < value.size() && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

// A value fit for a one-line message: quoted, control bytes shown as '?', long texts cut short.
std::string quoted(std::string_view value) {
    std::string shown(value.substr(0, shownLength(value)));
    std::replace_if(
        shown.begin(), shown.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return "\"" + shown + (value.size() > kShownLength ? "...\"" : "\"");
}

class Checker {
public:
    explicit Checker(std::vector<Problem>& problems) : m_problems(problems) {}

    void checkRecord(const Record& record, std::size_t firstLine);

private:
    void report(std::size_t column, std::string message) {
        m_problems.push_back({m_firstLine + column, std::move(message)});
    }
    std::optional<double> number(const Record& record, std::size_t column, std::string_view name);
    void checkUnknown(const Record& record);
    void checkPoint(const Record& record);
    void checkArea(const Record& record);

    std::vector<Problem>& m_problems;
    std::size_t m_firstLine = 1;
};

std::optional<double> Checker::number(const Record& record, std::size_t column,
                                      std::string_view name) {
    const NumberReading reading = readNumberText(record[column]);
    if (reading.fault == NumberFault::None)
        return reading.value;
    report(column, std::string(name) + " " + std::string(faultWords(reading.fault)) + ": " +
                       quoted(record[column]));
    return std::nullopt;
}

// Any finite angle is an orientation, read under the same rules as the coordinates.
void Checker::checkPoint(const Record& record) {
    number(record, 1, "X");
    number(record, 2, "Y");
    number(record, 3, "Orientation");
}

// An unknown kind is written as a point: its X, Y and orientation must be numbers all the same.
void Checker::checkUnknown(const Record& record) {
    report(0, "Unknown object kind " + quoted(record[0]));
    checkPoint(record);
}

void Checker::checkArea(const Record& record) {
    const std::optional<double> x1 = number(record, 1, "X1");
    const std::optional<double> y1 = number(record, 2, "Y1");
    const std::optional<double> x2 = number(record, 3, "X2");
    const std::optional<double> y2 = number(record, 4, "Y2");
    if (x1 && x2 && *x2 < *x1)
        report(3, "X2 is less than X1: " + quoted(record[3]) + " < " + quoted(record[1]));
    if (y1 && y2 && *y2 < *y1)
        report(4, "Y2 is less than Y1: " + quoted(record[4]) + " < " + quoted(record[2]));
}

void Checker::checkRecord(const Record& record, std::size_t firstLine) {
    m_firstLine = firstLine;
    const KindInfo* kind = findKind(record[0]);
    if (kind == nullptr)
        checkUnknown(record);
    else if (kind->shape == Shape::Area)
        checkArea(record);
    else
        checkPoint(record);
}

std::string incompleteMessage(std::size_t linesRead) {
    return "Incomplete object at the end of the file: " + std::to_string(linesRead) + " of " +
           std::to_string(kLinesPerObject) + " lines";
}

// The problems of the lines of `text`, the first of which is line `firstLine` of the file and
// starts an object; `last` when the text runs to the end of the file, where an object may be cut
// short. `text` holds no byte order mark.
std::vector<Problem> checkLines(std::string_view text, std::size_t firstLine, bool last) {
    std::vector<Problem> problems;
    Checker checker(problems);
    LineReader reader(text);
    Record record;
    std::size_t line = 0;
    while (const std::optional<std::string_view> value = reader.next()) {
        record[line % kLinesPerObject] = *value;
        ++line;
        if (line % kLinesPerObject == 0)
            checker.checkRecord(record, firstLine + line - kLinesPerObject);
    }
    if (const std::size_t partial = line % kLinesPerObject; partial != 0 && last)
        problems.push_back({firstLine + line - partial, incompleteMessage(partial)});
    return problems;
}

} // namespace

std::size_t rowOfLine(std::size_t line) {
    return (line - 1) / kLinesPerObject + 1;
}

std::string describeProblem(const Problem& problem) {
    return "line " + std::to_string(problem.line) + ", row " +
           std::to_string(rowOfLine(problem.line)) + ": " + problem.message;
}

std::vector<Problem> checkSceneText(std::string_view text) {
    text = LineReader::withoutByteOrderMark(text);
    const TextHalves halves = cutAtObjectNearMiddle(text);
    if (halves.second.empty())
        return checkLines(text, 1, true);
    std::vector<Problem> secondHalf;
    std::thread helper(
        [&] { secondHalf = checkLines(halves.second, halves.firstLines + 1, true); });
    std::vector<Problem> problems = checkLines(halves.first, 1, false);
    helper.join();
    problems.insert(problems.end(), secondHalf.begin(), secondHalf.end());
    return problems;
}

} // namespace norvane
