#pragma once

#include "scene/Scene.h"
#include "vrml/WorldWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// How a page presents its world: the editor's Page Options, the CLI's options.
struct PageOptions {
    std::string description; // announced for the world; "" for describeScene's
    bool embed = false;      // also writes embed.html, the snippet for other pages
    int aspectWidth = 4;     // the snippet's box, width : height
    int aspectHeight = 3;
    bool vr = true;                  // offers "Enter VR" where the browser can
    std::string worldFormat = "wrl"; // wrl, wrz, x3d or glb: a format X_ITE reads
};

// poster.png is this many pixels wide and of the snippet's shape; a map poster is a square as high.
constexpr int kPosterWidth = 960;
int posterHeight(const PageOptions& page);

// What poster.png shows, as the editor and norvane-cli report it.
constexpr std::string_view kPosterOf3DView = "the 3D view from the start point";
constexpr std::string_view kPosterOfMap = "the map (no OpenGL here for the 3D view)";

// What to publish: where, under which names, and the world's options.
struct WebPageRequest {
    std::string folder;                  // written into; created when missing
    std::string pageName = "index.html"; // a bare name ending in ".html"; the world takes its stem
    std::string title;                   // the page's title, usually the scene file's name
    WorldOptions world;                  // sky and target frame; musicFile is set from musicPath
    std::string musicPath;               // the music file to copy beside the world; "" for none
    std::string dataFolder;              // holds source1.jpg … source5.jpg and x_ite/
    PageOptions page;
    std::string poster; // the PNG bytes of poster.png, shown while the world loads; "" for none
};

// Writes the page (and the snippet when asked), the world (exactly buildWorld's bytes), the
// textures it names, the poster, the music file and the X_ITE files into the request's folder, each
// replaced atomically; other files there are left alone. Returns the names written, relative to the
// folder. Every source is read before anything is written. Throws Error on a bad page name, a
// source that cannot be read or a failed write.
std::vector<std::string> exportWebPage(const Scene& scene, const WebPageRequest& request);

// "N files, S MB" for the files `names` in `folder` (a page with its world and X_ITE takes a few),
// in megabytes of 10^6 bytes with one decimal.
std::string publishedSize(const std::string& folder, const std::vector<std::string>& names);

} // namespace norvane
