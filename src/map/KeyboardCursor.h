#pragma once

#include "MapPoint.h"

namespace norvane {

// The keyboard's place on the map: a point the arrow keys move by 1 m, or by 0.1 m with the fine
// step, kept on the map (0..100 both ways). It counts tenths of a metre, so steps never gather
// rounding errors. Starts at the map's centre.
class KeyboardCursor {
public:
    // Moves by `dx`, `dy` steps (each -1, 0 or 1).
    void step(int dx, int dy, bool fine);
    // Puts the cursor on the tenth of a metre nearest to `at`, kept on the map.
    void moveTo(MapPoint at);
    MapPoint at() const;

private:
    int m_x = 500;
    int m_y = 500;
};

} // namespace norvane
