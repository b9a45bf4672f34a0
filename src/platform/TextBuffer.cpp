#include "TextBuffer.h"

#include "AtomicFile.h"

namespace norvane {

void TextBuffer::saveToFile(const std::string& path) const {
    writeFileAtomically(path, m_text);
}

void TextBuffer::loadFromFile(const std::string& path) {
    m_text = readWholeFile(path);
}

} // namespace norvane
