#pragma once

#include <functional>
#include <string_view>

namespace norvane {

// What the catalogue controls say when a placement is released on the map.
struct PlacementChoice {
    std::string_view kind;        // the chosen catalogue kind; "" when none is chosen
    bool withAnchor = false;      // "With &Anchor" is ticked
    std::string_view orientation; // the code of the chosen orientation option
    // Unticks "With &Anchor"; a release runs it right after the URL prompt, before any other.
    std::function<void()> untickAnchor;
};

} // namespace norvane
