#include "SceneFile.h"

#include "LineReader.h"
#include "scene/Error.h"

#include <array>

namespace norvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The six values of an object in file order, as pointers (to const for a const object).
template <typename Object> auto valuesOf(Object& object) {
    return std::array{&object.kind,  &object.list3, &object.list4,
                      &object.list5, &object.list6, &object.list7};
}

std::size_t textSize(const Scene& scene) {
    std::size_t size = 0;
    for (const SceneObject& object : scene.rows())
        for (const std::string* value : valuesOf(object))
            size += value->size() + kLineEnd.size();
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

SceneObject readObject(LineReader& reader) {
    SceneObject object;
    for (std::string* value : valuesOf(object))
        *value = *reader.next();
    return object;
}

} // namespace

std::string writeSceneText(const Scene& scene) {
    std::string text;
    text.reserve(textSize(scene));
    for (std::size_t row = 0; row < scene.count(); ++row) {
        for (const std::string* value : valuesOf(scene.rows()[row])) {
            if (value->find('\n') != std::string::npos)
                refuseLineBreak(row);
            text += *value;
            text += kLineEnd;
        }
    }
    return text;
}

Scene readSceneText(std::string_view text) {
    const std::size_t lines = LineReader::countLines(text);
    if (lines % kLinesPerObject != 0)
        throw Error("The scene file ends in the middle of an object: " + linesText(lines) +
                    " not a multiple of 6" + lineEndHint(text));
    Scene scene;
    scene.reserve(lines / kLinesPerObject);
    LineReader reader(text);
    for (std::size_t i = 0; i < lines / kLinesPerObject; ++i)
        scene.append(readObject(reader));
    return scene;
}

} // namespace norvane
