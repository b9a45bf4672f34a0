#pragma once

#include <QImage>

// The five texture images that exported worlds name, drawn procedurally. Each is square,
// kTextureSize pixels, and tiles without a seam.
inline constexpr int kTextureSize = 256;

QImage drawGrass();        // source1.jpg: ground, tree crowns, shrubbery, foliage
QImage drawBrick();        // source2.jpg: house walls
QImage drawOfficeFacade(); // source3.jpg: office building walls, one window per tile
QImage drawWater();        // source4.jpg: fountain water
QImage drawWood();         // source5.jpg: stems, furniture, doors, posts
