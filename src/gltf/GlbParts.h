#pragma once

#include "view3d/ShapeKit.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace norvane {

// One shape of a glTF mesh: a mesh of the kit placed in the mesh's frame, with its paint.
struct PartShape {
    int mesh = kBoxMesh;
    Affine place;
    Paint paint;
};

// The meshes, materials, accessors and binary data of a glTF file, each added once: a mesh is
// a list of part shapes (one primitive each), its vertices placed in the mesh's frame once.
class GlbParts {
public:
    // The index of the mesh called `key`, made from `shapes` the first time the key is seen.
    int meshFor(const std::string& key, const std::vector<PartShape>& shapes);
    // The index of the material that paints like `paint`.
    int materialFor(const Paint& paint);
    // Appends the binary bytes (4-byte aligned) of an embedded file; returns its buffer view.
    int addBytes(std::string_view bytes);

    // The JSON members "meshes", "materials", "accessors", "bufferViews" and "buffers", each
    // followed by a comma; `images` are the buffer views of the textures, by texture number - 1.
    std::string json(const std::vector<int>& images) const;
    const std::string& binary() const { return m_binary; }

private:
    int addView(std::string_view bytes, int target);
    int addAccessor(int view, int componentType, int count, std::string_view type,
                    const std::string& bounds);
    std::string primitive(const PartShape& shape);

    std::map<std::string, int> m_meshIndex;
    std::map<std::tuple<float, float, float, bool, int, float, float, float>, int> m_materialIndex;
    std::vector<std::string> m_meshes, m_materials, m_accessors, m_views;
    std::string m_binary;
};

} // namespace norvane
