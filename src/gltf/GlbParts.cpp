#include "GlbParts.h"

#include "JsonText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace norvane {

namespace {

constexpr int kFloat = 5126, kUnsignedInt = 5125;
constexpr int kArrayBuffer = 34962, kElementArrayBuffer = 34963;

std::string_view bytesOf(const std::vector<float>& v) {
    return {reinterpret_cast<const char*>(v.data()), v.size() * sizeof(float)};
}

// The normal matrix of `place` applied to `n`, made unit length again.
Vec3 placedNormal(const Affine& place, Vec3 n) {
    const auto& m = place.inverse().linear; // transposed below
    return normalized({m[0] * n.x + m[3] * n.y + m[6] * n.z, m[1] * n.x + m[4] * n.y + m[7] * n.z,
                       m[2] * n.x + m[5] * n.y + m[8] * n.z});
}

// "min":[..],"max":[..] of the placed positions, as the floats stored.
std::string boundsOf(const std::vector<float>& positions) {
    float low[3] = {INFINITY, INFINITY, INFINITY}, high[3] = {-INFINITY, -INFINITY, -INFINITY};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        low[i % 3] = std::min(low[i % 3], positions[i]);
        high[i % 3] = std::max(high[i % 3], positions[i]);
    }
    std::string out = ",\"min\":[";
    for (int i = 0; i < 3; ++i)
        (i ? out += ',' : out), appendJsonNumber(out, low[i]);
    out += "],\"max\":[";
    for (int i = 0; i < 3; ++i)
        (i ? out += ',' : out), appendJsonNumber(out, high[i]);
    return out + ']';
}

std::string joined(std::string_view name, const std::vector<std::string>& items) {
    if (items.empty())
        return {};
    std::string out = "\"" + std::string(name) + "\":[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + items[i];
    return out + "],";
}

// VRML's texture transform (scale after rotation, t up) in KHR_texture_transform's terms for
// texture coordinates whose v runs down: exact for the rotation and scale, and for the offset.
std::string textureTransform(const Paint& p) {
    const double sx = p.texScale[0], sy = p.texScale[1], r = p.texRotation;
    std::string out = ",\"extensions\":{\"KHR_texture_transform\":{\"offset\":[";
    appendJsonNumber(out, -sx * std::sin(r));
    out += ',';
    appendJsonNumber(out, 1 - sy * std::cos(r));
    out += "],\"rotation\":";
    appendJsonNumber(out, r);
    out += ",\"scale\":[";
    appendJsonNumber(out, sx);
    out += ',';
    appendJsonNumber(out, sy);
    return out + "]}}";
}

std::string materialJson(const Paint& p) {
    std::string out = "{\"pbrMetallicRoughness\":{\"baseColorFactor\":[";
    for (int i = 0; i < 3; ++i)
        appendJsonNumber(out, p.colour[i]), out += ',';
    out += "1]";
    if (p.texture > 0) {
        out += ",\"baseColorTexture\":{\"index\":" + std::to_string(p.texture - 1);
        const bool plain = p.texRotation == 0 && p.texScale[0] == 1 && p.texScale[1] == 1;
        out += (plain ? std::string() : textureTransform(p)) + '}';
    }
    out += ",\"metallicFactor\":0,\"roughnessFactor\":1}";
    if (!p.lit)
        out += ",\"extensions\":{\"KHR_materials_unlit\":{}}";
    return out + '}';
}

} // namespace

int GlbParts::addBytes(std::string_view bytes) {
    return addView(bytes, 0);
}

int GlbParts::addView(std::string_view bytes, int target) {
    const std::size_t offset = m_binary.size();
    m_binary.append(bytes);
    m_binary.append((4 - m_binary.size() % 4) % 4, '\0');
    std::string view = "{\"buffer\":0,\"byteOffset\":" + std::to_string(offset) +
                       ",\"byteLength\":" + std::to_string(bytes.size());
    if (target)
        view += ",\"target\":" + std::to_string(target);
    m_views.push_back(view + '}');
    return static_cast<int>(m_views.size() - 1);
}

int GlbParts::addAccessor(int view, int componentType, int count, std::string_view type,
                          const std::string& bounds) {
    m_accessors.push_back("{\"bufferView\":" + std::to_string(view) + ",\"componentType\":" +
                          std::to_string(componentType) + ",\"count\":" + std::to_string(count) +
                          ",\"type\":\"" + std::string(type) + "\"" + bounds + "}");
    return static_cast<int>(m_accessors.size() - 1);
}

std::string GlbParts::primitive(const PartShape& shape) {
    const Mesh& mesh = meshKit().at(static_cast<std::size_t>(shape.mesh));
    std::vector<float> positions, normals, uvs;
    for (const MeshVertex& v : mesh.vertices) {
        const Vec3 p = shape.place.point({v.position[0], v.position[1], v.position[2]});
        const Vec3 n = placedNormal(shape.place, {v.normal[0], v.normal[1], v.normal[2]});
        positions.insert(positions.end(), {float(p.x), float(p.y), float(p.z)});
        normals.insert(normals.end(), {float(n.x), float(n.y), float(n.z)});
        uvs.insert(uvs.end(), {v.uv[0], 1.0f - v.uv[1]}); // glTF's v runs down
    }
    const int count = static_cast<int>(mesh.vertices.size());
    const int position = addAccessor(addView(bytesOf(positions), kArrayBuffer), kFloat, count,
                                     "VEC3", boundsOf(positions));
    const int normal =
        addAccessor(addView(bytesOf(normals), kArrayBuffer), kFloat, count, "VEC3", {});
    const int uv = addAccessor(addView(bytesOf(uvs), kArrayBuffer), kFloat, count, "VEC2", {});
    const std::string_view indexBytes{reinterpret_cast<const char*>(mesh.indices.data()),
                                      mesh.indices.size() * sizeof(std::uint32_t)};
    const int indices = addAccessor(addView(indexBytes, kElementArrayBuffer), kUnsignedInt,
                                    static_cast<int>(mesh.indices.size()), "SCALAR", {});
    return "{\"attributes\":{\"POSITION\":" + std::to_string(position) +
           ",\"NORMAL\":" + std::to_string(normal) + ",\"TEXCOORD_0\":" + std::to_string(uv) +
           "},\"indices\":" + std::to_string(indices) +
           ",\"material\":" + std::to_string(materialFor(shape.paint)) + "}";
}

int GlbParts::meshFor(const std::string& key, const std::vector<PartShape>& shapes) {
    if (const auto found = m_meshIndex.find(key); found != m_meshIndex.end())
        return found->second;
    std::string mesh = "{\"name\":";
    appendJsonString(mesh, key);
    mesh += ",\"primitives\":[";
    for (std::size_t i = 0; i < shapes.size(); ++i)
        mesh += (i ? "," : "") + primitive(shapes[i]);
    m_meshes.push_back(mesh + "]}");
    const int index = static_cast<int>(m_meshes.size() - 1);
    m_meshIndex.emplace(key, index);
    return index;
}

int GlbParts::materialFor(const Paint& p) {
    const auto key = std::tuple(p.colour[0], p.colour[1], p.colour[2], p.lit, p.texture,
                                p.texRotation, p.texScale[0], p.texScale[1]);
    const auto [at, added] = m_materialIndex.emplace(key, static_cast<int>(m_materials.size()));
    if (added)
        m_materials.push_back(materialJson(p));
    return at->second;
}

std::string GlbParts::json(const std::vector<int>& images) const {
    std::vector<std::string> imageItems, textures;
    for (std::size_t i = 0; i < images.size(); ++i) {
        imageItems.push_back("{\"bufferView\":" + std::to_string(images[i]) +
                             ",\"mimeType\":\"image/jpeg\"}");
        textures.push_back("{\"sampler\":0,\"source\":" + std::to_string(i) + "}");
    }
    std::string out = joined("meshes", m_meshes) + joined("materials", m_materials) +
                      joined("accessors", m_accessors) + joined("bufferViews", m_views) +
                      joined("images", imageItems) + joined("textures", textures);
    if (!images.empty())
        out += "\"samplers\":[{\"magFilter\":9729,\"minFilter\":9987}],";
    return out + "\"buffers\":[{\"byteLength\":" + std::to_string(m_binary.size()) + "}],";
}

} // namespace norvane
