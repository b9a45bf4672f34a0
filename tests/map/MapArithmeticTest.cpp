#include "GoldenFile.h"
#include "TextDiff.h"
#include "map/Grid.h"
#include "map/KeyboardCursor.h"
#include "map/MapHit.h"
#include "map/MapZoom.h"
#include "map/ObjectMove.h"
#include "map/PixelSpan.h"
#include "map/PolygonRuns.h"
#include "map/SelectionMarker.h"
#include "map/Snapping.h"
#include "map/StatusText.h"
#include "scene/NumberText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <iomanip>
#include <sstream>

namespace norvane::test {
namespace {

std::ostream& operator<<(std::ostream& out, std::optional<int> value) {
    return value ? out << *value : out << "none";
}

std::ostream& operator<<(std::ostream& out, std::optional<MapRect> r) {
    return r ? out << r->left << ' ' << r->top << ' ' << r->width << ' ' << r->height
             : out << "none";
}

std::ostream& operator<<(std::ostream& out, PixelSpan span) {
    return out << span.first << ".." << span.last;
}

// A row written "kind|list3|list4|list5|list6|list7".
SceneObject parseRow(const std::string& text) {
    SceneObject row;
    std::istringstream texts(text);
    for (std::string* value :
         {&row.kind, &row.list3, &row.list4, &row.list5, &row.list6, &row.list7})
        std::getline(texts, *value, '|');
    return row;
}

// Rows after the first "|", separated by " ; ".
Scene parseScene(const std::string& call) {
    Scene scene;
    std::string rest = call.substr(call.find('|') + 1);
    for (std::size_t end; (end = rest.find(" ; ")) != std::string::npos; rest.erase(0, end + 3))
        scene.append(parseRow(rest.substr(0, end)));
    scene.append(parseRow(rest));
    return scene;
}

std::string rowText(const SceneObject& row) {
    return row.kind + '|' + row.list3 + '|' + row.list4 + '|' + row.list5 + '|' + row.list6 + '|' +
           row.list7;
}

// The keyboard cursor after the moves after the "|": "R" right, "l" left fine, "D" down...
std::string cursorAfter(const std::string& moves) {
    KeyboardCursor cursor;
    for (const char move : moves.substr(moves.find('|') + 1)) {
        const int dx = (move == 'R' || move == 'r') - (move == 'L' || move == 'l');
        const int dy = (move == 'D' || move == 'd') - (move == 'U' || move == 'u');
        cursor.step(dx, dy, std::islower(static_cast<unsigned char>(move)) != 0);
    }
    return positionText(cursor.at());
}

// The workspace's rules: scales, grid, snapping, keyboard cursor and status texts.
std::optional<std::string> evaluateWorkspace(const std::string& function, double a, double b,
                                             double c, const std::string& call) {
    std::ostringstream out;
    if (function == "editorZoomFromPercent") {
        const auto level = editorZoomFromPercent(int(a));
        out << (level ? "surface " + std::to_string(surfaceTwips(*level)) : "none");
    } else if (function == "steppedLevel") {
        const auto level = steppedLevel(int(a), int(b));
        out << (level ? "surface " + std::to_string(surfaceTwips(*level)) : "none");
    } else if (function == "fitSurfaceTwips") {
        out << fitSurfaceTwips(int(a), int(b));
    } else if (function == "scrollKeeping") {
        out << scrollKeeping(a, int(b), int(c));
    } else if (function == "gridStep") {
        out << gridStep(int(a));
    } else if (function == "snapped") {
        out << positionText(snapped({float(a), float(b)}, c != 0));
    } else if (function == "snapsNow") {
        out << snapsNow(a != 0, b != 0);
    } else if (function == "snappedObject") {
        const auto moved = snappedObject(parseScene(call).row(0));
        return moved ? rowText(*moved) : "none";
    } else if (function == "cursor") {
        return cursorAfter(call);
    } else if (function == "status") {
        return modeText(call.substr(call.find('|') + 1)) + " / " + countText(std::size_t(a));
    } else {
        return std::nullopt;
    }
    return out.str();
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
    } else if (function == "hitTest") {
        const auto row = hitTest(parseScene(call), {float(a), float(b)});
        return row ? "row " + std::to_string(*row) : "none";
    } else if (function == "movedBy") {
        const auto moved = movedBy(parseScene(call).row(0), {float(a), float(b)});
        return moved ? moved->kind + '|' + moved->list3 + '|' + moved->list4 + '|' + moved->list5 +
                           '|' + moved->list6 + '|' + moved->list7
                     : "none";
    } else if (function == "selectionMarker") {
        out << selectionMarker(parseRow(call.substr(call.find('|') + 1)), int(a), int(b));
    } else if (function == "polygonRuns") {
        std::istringstream numbers(call.substr(call.find('|') + 1));
        std::vector<MapPoint> corners;
        for (MapPoint p; numbers >> p.x >> p.y;)
            corners.push_back(p);
        std::vector<PixelRun> runs;
        polygonRuns(corners, int(a), int(a), runs);
        for (const PixelRun& run : runs)
            out << run.row << ':' << run.first << ".." << run.last << ' ';
    } else if (function == "symbolBounds") {
        out << symbolBounds(parseRow(call.substr(call.find('|') + 1)));
    } else {
        return evaluateWorkspace(function, a, b, c, call).value_or("unknown function");
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
