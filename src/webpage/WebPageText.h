#pragma once

#include "scene/Scene.h"

#include <string>
#include <string_view>

namespace norvane {

// What a page says around its world.
struct PageLayout {
    std::string title;       // the page's title (the full page only)
    std::string description; // what screen readers announce for the world
    std::string worldName;   // the world file, a bare name beside the page
    bool vr = true;          // offers "Enter VR" where the browser has WebXR
    int aspectWidth = 4;     // the snippet's box: width : height
    int aspectHeight = 3;
    bool poster = false; // poster.png lies beside the page
};

// The HTML page that shows the world filling the window, with a line on how to walk. It loads
// X_ITE from the folder x_ite/ beside it and nothing else. Texts are escaped for HTML.
std::string buildWebPageText(const PageLayout& layout);

// The snippet that a user pastes into a page of their own beside the world: X_ITE's script and
// the world in a box as wide as the page's column, of the layout's aspect ratio.
std::string buildEmbedText(const PageLayout& layout);

// "3D world: TITLE with N objects: Tree 4, House 2, …": the kinds of the scene's rows, most
// first (a kind outside the catalogue left out).
std::string describeScene(const Scene& scene, std::string_view title);

} // namespace norvane
