#pragma once

#include "ShapeKit.h"

#include "scene/Scene.h"

#include <string>
#include <vector>

namespace norvane {

// One mesh drawn at one place; `row` is the scene row it shows, -1 for the ground.
struct ShapeInstance {
    int mesh = kBoxMesh;
    Affine place;
    Paint paint;
    int row = -1;
};

// One centred text drawn at one place (its baseline's middle), `fontSize` metres high.
struct TextInstance {
    std::string text;
    double fontSize = 1.0;
    Affine place;
    Paint paint;
    int row = -1;
};

// What a part of the world draws in the 3D view.
struct WorldShapes {
    std::vector<ShapeInstance> shapes;
    std::vector<TextInstance> texts;
};

// How high above the ground a point object's frame stands, in metres (the world's kPointLift).
double pointLift();

// The ground every world stands on.
WorldShapes groundShapes();

// Appends what scene row `row` draws, as the exported world shows it: a model, slabs, the
// shrubbery's ellipsoid or a text. Rows that the world could not hold (a kind outside the
// catalogue, coordinates or a code that are not numbers) draw nothing.
void appendObjectShapes(const SceneRow& object, int row, WorldShapes& out);

// The ground and every row of the scene.
WorldShapes sceneShapes(const Scene& scene);

} // namespace norvane
