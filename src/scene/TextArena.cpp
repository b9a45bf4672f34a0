#include "TextArena.h"

#include "LargeMemory.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr std::size_t kSmallestBlock = 64 * 1024;

} // namespace

TextArena& TextArena::operator=(TextArena&& other) noexcept {
    m_blocks = std::move(other.m_blocks);
    m_adopted = std::move(other.m_adopted);
    m_free = std::exchange(other.m_free, nullptr);
    m_room = std::exchange(other.m_room, 0);
    m_used = std::exchange(other.m_used, 0);
    other.m_blocks.clear();
    other.m_adopted.clear();
    return *this;
}

void TextArena::reserve(std::size_t size) {
    if (size <= m_room)
        return;
    const std::size_t blockSize = std::max(size, kSmallestBlock);
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
    m_free = m_blocks.back().get();
    preferLargePages(m_free, blockSize);
    m_room = blockSize;
}

char* TextArena::allocate(std::size_t size) {
    reserve(size);
    char* piece = m_free;
    m_free += size;
    m_room -= size;
    m_used += size;
    return piece;
}

char* TextArena::adopt(std::string&& bytes) {
    m_adopted.push_back(std::make_unique<std::string>(std::move(bytes)));
    m_used += m_adopted.back()->size();
    return m_adopted.back()->data();
}

void TextArena::clear() {
    m_blocks.clear();
    m_adopted.clear();
    m_free = nullptr;
    m_room = 0;
    m_used = 0;
}

} // namespace norvane
