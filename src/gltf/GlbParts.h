#pragma once

#include "view3d/ShapeKit.h"

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace norvane {

// The bytes of the five textures the worlds name (kTextureFiles), read by the caller.
struct WorldTextures {
    std::array<std::string, 5> jpeg;
};

// What tells paints apart.
using PaintKey = std::tuple<float, float, float, bool, int, float, float, float>;
inline PaintKey paintKey(const Paint& p) {
    return {p.colour[0], p.colour[1],   p.colour[2],   p.lit,
            p.texture,   p.texRotation, p.texScale[0], p.texScale[1]};
}

// The mesh number of a part shape that is a text rather than a mesh of the kit.
inline constexpr int kTextShape = -1;

// One shape of a glTF mesh, placed in the mesh's frame with its paint: a mesh of the kit, or a
// centred text `fontSize` metres high whose baseline's middle `place` puts.
struct PartShape {
    int mesh = kBoxMesh;
    Affine place;
    Paint paint;
    std::string_view text = {};
    double fontSize = 1.0;
};

// The meshes, materials, textures, accessors and binary data of a glTF file, each added once:
// a mesh is a list of part shapes (one primitive each), its vertices placed in the mesh's frame
// once; a texture's image is embedded when a material first uses it.
class GlbParts {
public:
    explicit GlbParts(const WorldTextures& textures) : m_jpegs(textures) {}

    // The index of the mesh called `key`, made from `shapes` the first time the key is seen.
    int meshFor(const std::string& key, const std::vector<PartShape>& shapes);
    // The index of the material that paints like `paint`.
    int materialFor(const Paint& paint);

    // The JSON members "meshes", "materials", "textures", "images", "samplers", "accessors",
    // "bufferViews" and "buffers" that were used, each followed by a comma.
    std::string json() const;
    const std::string& binary() const { return m_binary; }

private:
    int addView(std::string_view bytes, int target);
    int addAccessor(int view, int componentType, int count, std::string_view type,
                    const std::string& bounds);
    int addMaterial(std::string json);
    int textureOf(std::string_view bytes, std::string_view mimeType);
    std::string materialJson(const Paint& paint, int texture, bool blended);
    std::string primitive(const PartShape& shape);
    std::string textPrimitive(const PartShape& shape);
    std::string primitiveOf(const std::vector<float>& positions, const std::vector<float>& normals,
                            const std::vector<float>& uvs, std::string_view indices, int material);

    const WorldTextures& m_jpegs;
    std::array<int, 5> m_jpegTexture{-1, -1, -1, -1, -1};
    std::map<std::string, int> m_meshIndex;
    std::map<PaintKey, int> m_paintMaterial;
    std::vector<std::string> m_meshes, m_materials, m_textureItems, m_images, m_accessors, m_views;
    std::string m_binary;
};

} // namespace norvane
