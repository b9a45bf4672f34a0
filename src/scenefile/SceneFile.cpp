#include "SceneFile.h"

#include "LineReader.h"
#include "TextHalves.h"
#include "scene/Error.h"
#include "scene/LargeMemory.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
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
// `texts` may lie within `text` as long as it does not start after it: values only ever move
// towards the start.
void layOut(std::string_view text, char* texts, std::span<PackedRow> rows) {
    LineReader reader(text);
    for (PackedRow& row : rows) {
        row.text = texts;
        std::uint32_t end = 0;
        for (std::uint32_t& valueEnd : row.ends) {
            const std::string_view value = *reader.next();
            std::memmove(texts + end, value.data(), value.size());
            end += static_cast<std::uint32_t>(value.size());
            valueEnd = end;
        }
        texts += end;
    }
}

// Lays out both halves at once, each from the place in `texts` where its own text would start
// if `texts` held the halves one after the other.
void layOutHalves(const TextHalves& halves, char* texts, std::span<PackedRow> rows) {
    if (halves.second.empty())
        return layOut(halves.first, texts, rows);
    const std::size_t firstRows = halves.firstLines / kLinesPerObject;
    std::thread helper(
        [&] { layOut(halves.second, texts + halves.first.size(), rows.subspan(firstRows)); });
    layOut(halves.first, texts, rows.first(firstRows));
    helper.join();
}

// The halves of a scene file text, once its lines are known to make whole objects.
TextHalves objectHalves(std::string_view text) {
    const TextHalves halves = cutAtObjectNearMiddle(LineReader::withoutByteOrderMark(text));
    if (halves.lines % kLinesPerObject != 0)
        throw Error("The scene file ends in the middle of an object: " + linesText(halves.lines) +
                    " not a multiple of 6" + lineEndHint(text));
    return halves;
}

// A scene read a row at a time, when the text is too long for the rows' 32-bit offsets (for the
// scene to refuse); nothing when the rows can be laid out at once.
std::optional<Scene> readRowByRow(std::string_view text, const TextHalves& halves) {
    if (halves.first.size() + halves.second.size() <= std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    Scene scene;
    LineReader reader(text);
    for (std::size_t i = 0; i < halves.lines / kLinesPerObject; ++i)
        scene.append(readObject(reader));
    return scene;
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
    const TextHalves halves = objectHalves(text);
    if (std::optional<Scene> scene = readRowByRow(text, halves))
        return std::move(*scene);
    Scene scene;
    scene.appendLaidOut(
        halves.lines / kLinesPerObject, halves.first.size() + halves.second.size(),
        [&halves](char* texts, std::span<PackedRow> rows) { layOutHalves(halves, texts, rows); });
    return scene;
}

Scene readSceneTextInPlace(std::string text) {
    // A short text may live inside its std::string, so that keeping it would move it.
    constexpr std::size_t kKeptAbove = 64 * 1024;
    if (text.size() <= kKeptAbove)
        return readSceneText(text);
    const TextHalves halves = objectHalves(text);
    if (std::optional<Scene> scene = readRowByRow(text, halves))
        return std::move(*scene);
    // Each half is laid out from where it starts, after the byte order marks, so neither
    // writes over bytes the other has yet to read.
    const std::size_t marks = text.size() - (halves.first.size() + halves.second.size());
    Scene scene;
    scene.appendLaidOutIn(std::move(text), halves.lines / kLinesPerObject,
                          [&halves, marks](char* texts, std::span<PackedRow> rows) {
                              layOutHalves(halves, texts + marks, rows);
                          });
    return scene;
}

} // namespace norvane
