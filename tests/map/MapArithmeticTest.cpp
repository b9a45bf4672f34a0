#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/MapZoom.h"
#include "map/PixelSpan.h"
#include "map/SelectionMarker.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

namespace norvane::test {
namespace {

std::ostream& operator<<(std::ostream& out, std::optional<int> value) {
    return value ? out << *value : out << "none";
}

std::ostream& operator<<(std::ostream& out, PixelSpan span) {
    return out << span.first << ".." << span.last;
}

// The result of one call written as in tests/data/map/arithmetic.txt.
std::string evaluate(const std::string& call) {
    std::istringstream in(call);
    std::ostringstream out;
    out << std::setprecision(9);
    std::string function;
    double a = 0, b = 0, c = 0;
    in >> function >> a >> b >> c;
    if (function == "zoomFromPercent") {
        const auto level = zoomFromPercent(int(a));
        out << (level ? "surface " + std::to_string(surfaceTwips(*level)) : "none");
    } else if (function == "scrollRange") {
        const ScrollRange range = scrollRange(int(a), int(b));
        out << "maximum " << range.maximum << " arrow " << range.arrowStep << " page "
            << range.pageStep;
    } else if (function == "roundHalfEven") {
        out << roundHalfEven(a);
    } else if (function == "twipsToPixels") {
        out << twipsToPixels(int(a));
    } else if (function == "pixelSpan") {
        const PixelSpan span = pixelSpan(float(a), float(b), int(c));
        const PixelSpan back = pixelSpan(float(b), float(a), int(c));
        out << span;
        if (!(span == back))
            out << " but reversed " << back;
    } else if (function == "pixelEdge") {
        out << pixelEdge(float(a), int(b));
    } else if (function == "selectionMarker") {
        SceneObject row;
        std::istringstream texts(call.substr(call.find('|') + 1));
        for (std::string* text :
             {&row.kind, &row.list3, &row.list4, &row.list5, &row.list6, &row.list7})
            std::getline(texts, *text, '|');
        const auto marker = selectionMarker(row, int(a), int(b));
        if (!marker)
            return "none";
        out << marker->left << ' ' << marker->top << ' ' << marker->width << ' ' << marker->height;
    } else {
        out << "unknown function";
    }
    return out.str();
}

TEST(MapArithmetic, EachCallGivesItsResult) {
    const std::string path = dataDir() + "/map/arithmetic.txt";
    std::istringstream lines(readFile(path));
    std::string actual;
    for (std::string line; std::getline(lines, line);) {
        const std::string call = line.substr(0, line.find(" -> "));
        actual += line.starts_with('#') ? line + '\n' : call + " -> " + evaluate(call) + '\n';
    }
    EXPECT_SAME_TEXT(goldenText(path, actual), actual);
}

} // namespace
} // namespace norvane::test
