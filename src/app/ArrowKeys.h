#pragma once

#include <Qt>

#include <array>
#include <optional>

// Which way an arrow key points on the map: -1, 0 or 1 along each axis (down is +y).
struct ArrowDirection {
    int dx, dy;
};

inline std::optional<ArrowDirection> arrowDirection(int key) {
    struct ArrowKey {
        int key;
        ArrowDirection direction;
    };
    constexpr std::array<ArrowKey, 4> kArrows{{
        {Qt::Key_Left, {-1, 0}},
        {Qt::Key_Right, {1, 0}},
        {Qt::Key_Up, {0, -1}},
        {Qt::Key_Down, {0, 1}},
    }};
    for (const ArrowKey& arrow : kArrows)
        if (arrow.key == key)
            return arrow.direction;
    return std::nullopt;
}
