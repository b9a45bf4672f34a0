#pragma once

#include "Affine.h"
#include "Mesh.h"

#include "vrml/ModelParts.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace norvane {

// How a shape is painted in the 3D view, following VRML browsers' lighting: a lit shape is its
// colour (times its texture, which current browsers modulate) times the light falling on it; an
// unlit one (a shape without a material) shows its texture or white as they are.
struct Paint {
    float colour[3] = {1.0f, 1.0f, 1.0f};
    bool lit = false;
    int texture = 0; // 1..5 for source1.jpg..source5.jpg, 0 for none
    float texRotation = 0.0f;
    float texScale[2] = {1.0f, 1.0f};
};

// The meshes the view draws, by number: the unit primitives first, then the face sets and the
// extrusion of the models.
enum UnitMesh : int {
    kBoxMesh,
    kCylinderMesh,
    kConeMesh,
    kConeSideMesh,
    kConeBottomMesh,
    kSphereMesh
};

// One shape of a model in its object's frame.
struct ShapeTemplate {
    int mesh = kBoxMesh;
    Affine place;
    Paint paint;
};

// One centred text of a model in its object's frame; `place` puts its baseline's middle.
struct TextTemplate {
    std::string_view text;
    double fontSize = 1.0;
    Affine place;
    Paint paint;
};

struct ModelShapes {
    std::vector<ShapeTemplate> shapes;
    std::vector<TextTemplate> texts;
};

// Every mesh the view uses, numbered as ShapeTemplate::mesh counts them. Built once.
const std::vector<Mesh>& meshKit();

// The shapes of library entry 0..20, built once from its model data.
const ModelShapes& modelShapes(std::size_t entry);

// The paint of a VRML appearance.
Paint paintOf(const Look& look);

} // namespace norvane
