#pragma once

#include "map/MapRect.h"
#include "scene/Scene.h"

#include <QImage>

#include <cstddef>
#include <string>
#include <vector>

// The retained map picture shared by the editor's map surface and the command-line renderer,
// so both paint exactly the same pixels.

// A new square map picture `pixels` wide and high; its content is undefined until painted.
QImage newMapPicture(int pixels);

// Paints the whole map of `scene` on `picture` with Render2D through a QtCanvas; a `gridStep`
// above 0 adds the editor's grid. Returns the rows the map draws nothing for, in scene order.
std::vector<std::size_t> paintMapPicture(const norvane::Scene& scene, QImage& picture,
                                         float gridStep = 0.0f);

// Paints again the part of `picture` around `region` (map units), pen widths included, so that
// it shows what paintMapPicture would paint there now with the same `gridStep`.
void paintMapRegion(const norvane::Scene& scene, QImage& picture, const norvane::MapRect& region,
                    float gridStep = 0.0f);

// The bytes of `picture` as a PNG file. Throws norvane::Error when it cannot be encoded.
std::string pngBytes(const QImage& picture);
