#include "WebPageText.h"

#include <algorithm>
#include <array>
#include <utility>

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
html, body { margin: 0; height: 100%; overflow: hidden; background: #000; }
x3d-canvas { display: block; width: 100%; height: 100%; }
.hint { position: fixed; top: 8px; left: 8px; margin: 0; padding: 4px 8px; border-radius: 4px;
        font: 14px sans-serif; color: #fff; background: rgba(0, 0, 0, 0.5); pointer-events: none; }
</style>
</head>
<body>
<x3d-canvas src=")";

// X_ITE examines a world that names no NavigationInfo; VRML 2.0 browsers walk, so bind one.
constexpr std::string_view kBody = R"(" splashScreen="false" notifications="false"></x3d-canvas>
<p class="hint">Walk with the arrow keys, or drag with the mouse.</p>
<noscript><p class="hint" style="top: 40px">This page shows a 3D world, which needs JavaScript: please turn it on.</p></noscript>
<script>
  document.addEventListener("DOMContentLoaded", () => {
    const canvas = document.querySelector("x3d-canvas");
    canvas.addEventListener("load", () => {
      const scene = X3D.getBrowser(canvas).currentScene;
      const walk = scene.createNode("NavigationInfo");
      walk.type = new X3D.MFString("WALK", "ANY");
      scene.rootNodes.push(walk);
      walk.set_bind = true;
    });
  });
</script>
</body>
</html>
)";

} // namespace

std::string buildWebPageText(std::string_view title, std::string_view worldName) {
    return std::string(kHead) + escapedHtml(title) + std::string(kStyle) + escapedHtml(worldName) +
           std::string(kBody);
}

} // namespace norvane
