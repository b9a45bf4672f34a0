#include "WebPageText.h"

#include "scene/Catalogue.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace norvane {

namespace {

constexpr std::array<std::pair<char, std::string_view>, 5> kEntities{
    {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&#39;"}}};

std::string escapedHtml(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        const auto* entity = std::find_if(kEntities.begin(), kEntities.end(),
                                          [c](const auto& row) { return row.first == c; });
        if (entity == kEntities.end())
            escaped += c;
        else
            escaped += entity->second;
    }
    return escaped;
}

constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<link rel="icon" href="data:,">
<title>)";

constexpr std::string_view kStyle = R"(</title>
<script defer src="x_ite/x_ite.min.js"></script>
<style>
html, body { margin: 0; height: 100%; overflow: hidden; color: #fff; background: #000; }
a { color: #9cf; }
x3d-canvas { display: block; width: 100%; height: 100%; }
.hint { position: fixed; top: 8px; left: 8px; margin: 0; padding: 4px 8px; border-radius: 4px;
        font: 14px sans-serif; color: #fff; background: rgba(0, 0, 0, 0.75); pointer-events: none; }
.unseen { position: absolute; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); }
</style>
</head>
<body>
<main>
<h1 class="unseen">)";

constexpr std::string_view kHint =
    "<p class=\"hint\">Walk with the arrow keys, or drag with the mouse or a finger.</p>\n";

constexpr std::string_view kPageEnd = "</main>\n</body>\n</html>\n";

// The script finds the world it follows, so that a page may hold several. The poster covers the
// world while X_ITE loads it, where X_ITE can draw it at all (elsewhere the fallback shows it).
// X_ITE examines a world that names no NavigationInfo; VRML 2.0 browsers walk, so bind one.
constexpr std::string_view kWorldScript = R"(<script>
  (() => {
    const box = document.currentScript.previousElementSibling;
    const canvas = box.querySelector("x3d-canvas"), poster = box.querySelector(".poster");
    if (poster && document.createElement("canvas").getContext("webgl2")) poster.hidden = false;
    document.addEventListener("DOMContentLoaded", () => {
      canvas.addEventListener("load", () => {
        poster?.remove();
        const scene = X3D.getBrowser(canvas).currentScene;
        const walk = scene.createNode("NavigationInfo");
        walk.type = new X3D.MFString("WALK", "ANY");
        scene.rootNodes.push(walk);
        walk.set_bind = true;
      });
    });
  })();
</script>
)";

constexpr std::string_view kPosterFallback =
    "<img src=\"poster.png\" alt=\"\" style=\"display: block; max-width: 100%\">\n";

constexpr std::string_view kPosterCover =
    "<img class=\"poster\" hidden src=\"poster.png\" alt=\"\" style=\"position: absolute; "
    "inset: 0; width: 100%; height: 100%; object-fit: contain; background: #000; "
    "pointer-events: none\">\n";

// The world's element in its box (`boxStyle`, with room for the poster over it): announced as a
// picture with the description, reachable by the keyboard, taking touches inside it for walking,
// drawing only while on screen. Its content is what browsers without WebGL 2 or JavaScript show
// instead.
std::string worldBox(const PageLayout& layout, std::string_view boxStyle,
                     std::string_view canvasStyle) {
    const std::string world = escapedHtml(layout.worldName);
    return "<div style=\"position: relative;" + std::string(boxStyle) + "\">\n<x3d-canvas src=\"" +
           world + "\" role=\"img\" aria-label=\"" + escapedHtml(layout.description) +
           "\" tabindex=\"0\" style=\"" + std::string(canvasStyle) +
           "\" splashScreen=\"false\" notifications=\"false\" contentScale=\"auto\" "
           "update=\"auto\" xrSessionMode=\"" +
           (layout.vr ? "IMMERSIVE_VR" : "NONE") +
           "\">\n<p>This 3D world needs a browser with WebGL 2 and JavaScript. <a href=\"" + world +
           "\">Download the world</a> to open it in a VRML viewer.</p>\n" +
           std::string(layout.poster ? kPosterFallback : "") + "</x3d-canvas>\n" +
           std::string(layout.poster ? kPosterCover : "") + "</div>\n" + std::string(kWorldScript);
}

} // namespace

std::string buildWebPageText(const PageLayout& layout) {
    return std::string(kHead) + escapedHtml(layout.title) + std::string(kStyle) +
           escapedHtml(layout.title) + "</h1>\n" + worldBox(layout, "", "touch-action: none") +
           std::string(kHint) + std::string(kPageEnd);
}

std::string buildEmbedText(const PageLayout& layout) {
    const std::string ratio =
        std::to_string(layout.aspectWidth) + " / " + std::to_string(layout.aspectHeight);
    return "<!-- A Norvane world: paste this into your page, and put " +
           escapedHtml(layout.worldName) +
           ", the pictures and the x_ite folder beside the page. -->\n"
           "<script defer src=\"x_ite/x_ite.min.js\"></script>\n" +
           worldBox(layout, " width: 100%; aspect-ratio: " + ratio + ";",
                    "display: block; width: 100%; height: 100%; touch-action: none");
}

std::string describeScene(const Scene& scene, std::string_view title) {
    std::array<std::size_t, kCatalogue.size()> counts{};
    std::size_t total = 0;
    for (const SceneRow& row : scene.rows())
        if (const KindInfo* kind = findKind(row.kind))
            ++counts[static_cast<std::size_t>(kind - kCatalogue.data())], ++total;
    std::vector<std::size_t> kinds;
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (counts[i])
            kinds.push_back(i);
    std::stable_sort(kinds.begin(), kinds.end(),
                     [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });
    std::string text = "3D world: " + std::string(title) + " with " + std::to_string(total) +
                       (total == 1 ? " object" : " objects");
    for (std::size_t i = 0; i < kinds.size(); ++i)
        text += (i ? ", " : ": ") + std::string(kCatalogue[kinds[i]].name) + ' ' +
                std::to_string(counts[kinds[i]]);
    return text;
}

} // namespace norvane
