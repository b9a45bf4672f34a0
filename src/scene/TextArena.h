#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace norvane {

// Bytes handed out in large blocks that never move: a piece stays where it is until clear(), so
// views of it stay valid while later pieces are added. Pieces are never given back one by one.
class TextArena {
public:
    TextArena() = default;
    TextArena(TextArena&& other) noexcept { *this = std::move(other); }
    TextArena& operator=(TextArena&& other) noexcept;

    // `size` bytes of fresh room, valid until clear() or the arena's end.
    char* allocate(std::size_t size);
    // Keeps `bytes` as a block of its own and hands all of it out where it lies: the result is
    // bytes.data() for any text longer than std::string keeps inside itself.
    char* adopt(std::string&& bytes);
    // Makes the next block hold at least `size` bytes, so that many pieces share one block.
    void reserve(std::size_t size);
    void clear();
    // The bytes handed out so far.
    std::size_t used() const { return m_used; }

private:
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::unique_ptr<std::string>> m_adopted;
    char* m_free = nullptr;
    std::size_t m_room = 0;
    std::size_t m_used = 0;
};

} // namespace norvane
