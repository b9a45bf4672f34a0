#pragma once

#include "scene/Scene.h"
#include "webpage/WebPageExport.h"

#include <string>
#include <string_view>

// poster.png for a page of `scene`: the 3D view from the start point under `world`'s sky, or where
// this display has no OpenGL the map; of the page's shape (see norvane::posterHeight).
struct PagePoster {
    std::string png;
    std::string_view is; // norvane::kPosterOf3DView or norvane::kPosterOfMap
};

PagePoster drawPagePoster(const norvane::Scene& scene, const norvane::WorldOptions& world,
                          const norvane::PageOptions& page);
