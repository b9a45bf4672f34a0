#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace norvane {

// The fixed geometry of the 21 furnished kinds, as data. The world writer turns it into the
// model bodies of the VRML library; the 3D view builds its shapes from the same parts. Every
// number is kept as the text the world carries ("0.20" stays "0.20"), so readers that compute
// with it parse it with parseNumber.

// The node a part draws. Boxes, cones, cylinders and spheres are VRML's primitives; FaceSet is
// an IndexedFaceSet, Extrusion a swept cross-section, Text a centred string.
enum class Primitive { Box, Cone, Cylinder, Sphere, FaceSet, Extrusion, Text };

// Which surfaces of a cone are drawn; only a cone with one of them left out says so in the world.
enum class ConeSurfaces { Both, SideOnly, BottomOnly };

// One geometry node. Fields a primitive does not use stay empty; every list is the text between
// the brackets of its VRML field. Face sets and extrusions are drawn from both sides.
struct Geometry {
    Primitive primitive = Primitive::Box;
    std::string_view size = {};   // Box: "x y z"
    std::string_view radius = {}; // Cone (bottom radius), Cylinder, Sphere
    std::string_view height = {}; // Cone, Cylinder
    ConeSurfaces surfaces = ConeSurfaces::Both;
    std::string_view points = {};       // FaceSet: the coordinates "x y z, ..."
    std::string_view faces = {};        // FaceSet: coordIndex, faces ended by -1
    std::string_view crossSection = {}; // Extrusion: "x z, ..."
    std::string_view scales = {};       // Extrusion: one "sx sz" per spine point
    std::string_view spine = {};        // Extrusion: "x y z, ..."
    std::string_view text = {};         // Text: the string
    std::string_view fontSize = {};     // Text: FontStyle size; the text is always centred
};

// A texture transform of an appearance; `present` with both fields empty is written as an empty
// node.
struct TextureTransform {
    bool present = false;
    std::string_view rotation = {}; // radians
    std::string_view scale = {};    // "s t"
};

// How a part is painted: a Material with this diffuse colour ("" for none) and an ImageTexture
// ("" for none), which replaces the colour where it is an RGB image.
struct Look {
    std::string_view colour = {};
    std::string_view texture = {};
    TextureTransform texTransform = {};
};

// One part: a Transform (fields "" when not written) holding one Shape.
struct ModelPart {
    std::string_view translation;
    Geometry geometry;
    Look look;
    std::string_view rotation = {}; // "x y z angle"
    std::string_view scale = {};    // "sx sy sz"
    bool appearanceFirst = false;   // the Shape names its appearance before its geometry
};

// A model body: its parts, in an enclosing scaling Transform when `enclosingScale` is given
// (whose first child is `enclosingFirstNode`, a node that draws nothing in the object).
struct Model {
    std::span<const ModelPart> parts;
    std::string_view enclosingScale = {};
    std::string_view enclosingFirstNode = {};
};

// Number of entries in the model library (the furnished kinds' fixed geometry).
inline constexpr std::size_t kModelCount = 21;

// The model of library entry 0..20 (the catalogue's libraryEntry). Throws Error for any other.
const Model& modelData(std::size_t entry);

} // namespace norvane
