#include "scene/RowSelection.h"

#include "TextDiff.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Runs one step such as "toggle 4" or "removed 2 3" on `selection`.
void runStep(norvane::RowSelection& selection, const std::string& step) {
    std::istringstream words(step);
    std::string name;
    std::vector<std::size_t> n;
    words >> name;
    for (std::size_t value; words >> value;)
        n.push_back(value);
    if (name == "only")
        selection.selectOnly(n.at(0));
    else if (name == "toggle")
        selection.toggle(n.at(0));
    else if (name == "add")
        selection.add(n);
    else if (name == "range")
        selection.selectRange(n.at(0), n.at(1));
    else if (name == "inserted")
        selection.rowsInserted(n.at(0), n.at(1));
    else if (name == "removed")
        selection.rowsRemoved(n.at(0), n.at(1));
    else if (name == "clear")
        selection.clear();
    else
        ADD_FAILURE() << "unknown step " << step;
}

} // namespace

// The rows and the current row after each case's steps, as tests/data/scene/selection.txt says.
TEST(RowSelection, KeepsTheRowsWithTheirObjects) {
    std::istringstream cases(
        norvane::test::readFile(norvane::test::dataDir() + "/scene/selection.txt"));
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        norvane::RowSelection selection;
        const std::size_t bar = line.find(" | ");
        std::istringstream steps(line.substr(0, bar));
        for (std::string step; std::getline(steps, step, ',');)
            runStep(selection, step);
        std::string shown;
        for (std::size_t row : selection.rows())
            shown += std::to_string(row) + ' ';
        EXPECT_EQ(shown + '@' + std::to_string(selection.current()), line.substr(bar + 3)) << line;
    }
}
