#pragma once

#include <string>
#include <utility>

namespace norvane {

// A text held as exact bytes (the editor's `Code` and `FinalCode` buffers).
// Saving and loading copy the bytes unchanged: no line-end or encoding conversion.
class TextBuffer {
public:
    void setText(std::string text) { m_text = std::move(text); }
    const std::string& text() const { return m_text; }

    // Writes the text to `path` atomically. Throws Error when the file cannot be written.
    void saveToFile(const std::string& path) const;
    // Replaces the text with the file's bytes. Throws Error and keeps the text when it cannot
    // be read.
    void loadFromFile(const std::string& path);

private:
    std::string m_text;
};

} // namespace norvane
