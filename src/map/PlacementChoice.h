#pragma once

#include <string_view>

namespace norvane {

// What the catalogue controls say when a placement is released on the map.
struct PlacementChoice {
    std::string_view kind;        // the chosen catalogue kind; "" when none is chosen
    bool withAnchor = false;      // "With &Anchor" is ticked; a release clears it after asking
    std::string_view orientation; // the code of the chosen orientation option
};

} // namespace norvane
