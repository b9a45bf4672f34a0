#include "SceneFile.h"

#include "LineReader.h"
#include "TextHalves.h"
#include "scene/Error.h"
#include "scene/LargeMemory.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <thread>

namespace norvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The six values of a row in file order.
std::array<std::string_view, kLinesPerObject> valuesOf(const SceneRow& row) {
    return {row.kind, row.list3, row.list4, row.list5, row.list6, row.list7};
}

std::size_t textSize(const Scene& scene) {
    std::size_t size = 0;
    for (const SceneRow row : scene.rows())
        for (const std::string_view value : valuesOf(row))
            size += value.size() + kLineEnd.size();
    return size;
}

[[noreturn]] void refuseLineBreak(std::size_t row) {
    throw Error("Cannot save the scene: object " + std::to_string(row + 1) +
                " holds a line break in one of its texts");
}

std::string linesText(std::size_t lines) {
    return std::to_string(lines) + (lines == 1 ? " line is" : " lines is");
}

// A file saved with CR alone between lines reads as one line; say why.
std::string lineEndHint(std::string_view text) {
    const std::size_t cr = text.find('\r');
    const bool loneCr =
        cr != std::string_view::npos && cr + 1 < text.size() && text[cr + 1] != '\n';
    return loneCr ? " (lines ended by CR alone are not supported; use CR LF or LF)" : "";
}

SceneRow readObject(LineReader& reader) {
    SceneRow row;
    for (std::string_view* value :
         {&row.kind, &row.list3, &row.list4, &row.list5, &row.list6, &row.list7})
        *value = *reader.next();
    return row;
}

// Packs the values of `text`, one object per row, into `texts` and `rows` (as many rows as
// `text` holds objects): each row's values one after the other, without their line ends.
void layOut(std::string_view text, char* texts, std::span<PackedRow> rows) {
    LineReader reader(text);
    for (PackedRow& row : rows) {
        row.text = texts;
        std::uint32_t end = 0;
        for (std::uint32_t& valueEnd : row.ends) {
            const std::string_view value = *reader.next();
            std::memcpy(texts + end, value.data(), value.size());
            end += static_cast<std::uint32_t>(value.size());
            valueEnd = end;
        }
        texts += end;
    }
}

} // namespace

std::string writeSceneText(const Scene& scene) {
    std::string text;
    text.reserve(textSize(scene));
    preferLargePages(text.data(), text.capacity());
    const SceneRows rows = scene.rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (const std::string_view value : valuesOf(rows[row])) {
            if (value.find('\n') != std::string_view::npos)
                refuseLineBreak(row);
            text += value;
            text += kLineEnd;
        }
    }
    return text;
}

Scene readSceneText(std::string_view text) {
    const std::string_view values = LineReader::withoutByteOrderMark(text);
    const TextHalves halves = cutAtObjectNearMiddle(values);
    const std::size_t lines = halves.lines;
    if (lines % kLinesPerObject != 0)
        throw Error("The scene file ends in the middle of an object: " + linesText(lines) +
                    " not a multiple of 6" + lineEndHint(text));
    Scene scene;
    if (values.size() > std::numeric_limits<std::uint32_t>::max()) { // rows the scene may refuse
        LineReader reader(text);
        for (std::size_t i = 0; i < lines / kLinesPerObject; ++i)
            scene.append(readObject(reader));
        return scene;
    }
    scene.appendLaidOut(
        lines / kLinesPerObject, values.size(), [&halves](char* texts, std::span<PackedRow> rows) {
            if (halves.second.empty())
                return layOut(halves.first, texts, rows);
            const std::size_t firstRows = halves.firstLines / kLinesPerObject;
            std::thread helper([&] {
                layOut(halves.second, texts + halves.first.size(), rows.subspan(firstRows));
            });
            layOut(halves.first, texts, rows.first(firstRows));
            helper.join();
        });
    return scene;
}

} // namespace norvane
