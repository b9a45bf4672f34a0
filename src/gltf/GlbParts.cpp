#include "GlbParts.h"

#include "JsonText.h"
#include "TextPicture.h"

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

} // namespace

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

int GlbParts::addMaterial(std::string json) {
    m_materials.push_back(std::move(json));
    return static_cast<int>(m_materials.size() - 1);
}

// A new texture of an embedded image; each image is embedded once.
int GlbParts::textureOf(std::string_view bytes, std::string_view mimeType) {
    const int view = addView(bytes, 0);
    m_images.push_back("{\"bufferView\":" + std::to_string(view) + ",\"mimeType\":\"" +
                       std::string(mimeType) + "\"}");
    m_textureItems.push_back("{\"sampler\":0,\"source\":" + std::to_string(m_images.size() - 1) +
                             "}");
    return static_cast<int>(m_textureItems.size() - 1);
}

// A material of `paint`'s colour, showing texture `texture` (-1 for none) with the paint's
// transform; a blended one lets the texture's transparent pixels through, seen from both sides.
std::string GlbParts::materialJson(const Paint& p, int texture, bool blended) {
    std::string out = "{\"pbrMetallicRoughness\":{\"baseColorFactor\":[";
    for (int i = 0; i < 3; ++i)
        appendJsonNumber(out, p.colour[i]), out += ',';
    out += "1]";
    if (texture >= 0) {
        out += ",\"baseColorTexture\":{\"index\":" + std::to_string(texture);
        const bool plain = p.texRotation == 0 && p.texScale[0] == 1 && p.texScale[1] == 1;
        out += (plain ? std::string() : textureTransform(p)) + '}';
    }
    out += ",\"metallicFactor\":0,\"roughnessFactor\":1}";
    if (blended)
        out += ",\"alphaMode\":\"BLEND\",\"doubleSided\":true";
    if (!p.lit)
        out += ",\"extensions\":{\"KHR_materials_unlit\":{}}";
    return out + '}';
}

int GlbParts::materialFor(const Paint& p) {
    const PaintKey key = paintKey(p);
    if (const auto found = m_paintMaterial.find(key); found != m_paintMaterial.end())
        return found->second;
    int texture = -1;
    if (p.texture > 0) {
        int& made = m_jpegTexture.at(static_cast<std::size_t>(p.texture - 1));
        if (made < 0)
            made =
                textureOf(m_jpegs.jpeg.at(static_cast<std::size_t>(p.texture - 1)), "image/jpeg");
        texture = made;
    }
    const int material = addMaterial(materialJson(p, texture, false));
    m_paintMaterial.emplace(key, material);
    return material;
}

std::string GlbParts::primitiveOf(const std::vector<float>& positions,
                                  const std::vector<float>& normals, const std::vector<float>& uvs,
                                  std::string_view indexBytes, int material) {
    const int count = static_cast<int>(positions.size() / 3);
    const int position = addAccessor(addView(bytesOf(positions), kArrayBuffer), kFloat, count,
                                     "VEC3", boundsOf(positions));
    const int normal =
        addAccessor(addView(bytesOf(normals), kArrayBuffer), kFloat, count, "VEC3", {});
    std::string attributes = "{\"attributes\":{\"POSITION\":" + std::to_string(position) +
                             ",\"NORMAL\":" + std::to_string(normal);
    if (!uvs.empty()) {
        const int uv = addAccessor(addView(bytesOf(uvs), kArrayBuffer), kFloat, count, "VEC2", {});
        attributes += ",\"TEXCOORD_0\":" + std::to_string(uv);
    }
    const int indices =
        addAccessor(addView(indexBytes, kElementArrayBuffer), kUnsignedInt,
                    static_cast<int>(indexBytes.size() / sizeof(std::uint32_t)), "SCALAR", {});
    return attributes + "},\"indices\":" + std::to_string(indices) +
           ",\"material\":" + std::to_string(material) + "}";
}

std::string GlbParts::primitive(const PartShape& shape) {
    if (shape.mesh == kTextShape)
        return textPrimitive(shape);
    const Mesh& mesh = meshKit().at(static_cast<std::size_t>(shape.mesh));
    const bool textured = shape.paint.texture > 0;
    std::vector<float> positions, normals, uvs;
    for (const MeshVertex& v : mesh.vertices) {
        const Vec3 p = shape.place.point({v.position[0], v.position[1], v.position[2]});
        const Vec3 n = placedNormal(shape.place, {v.normal[0], v.normal[1], v.normal[2]});
        positions.insert(positions.end(), {float(p.x), float(p.y), float(p.z)});
        normals.insert(normals.end(), {float(n.x), float(n.y), float(n.z)});
        if (textured)
            uvs.insert(uvs.end(), {v.uv[0], 1.0f - v.uv[1]}); // glTF's v runs down
    }
    const std::string_view indexBytes{reinterpret_cast<const char*>(mesh.indices.data()),
                                      mesh.indices.size() * sizeof(std::uint32_t)};
    return primitiveOf(positions, normals, uvs, indexBytes, materialFor(shape.paint));
}

// A quad facing +Z that shows the text's picture, centred on the baseline's middle.
std::string GlbParts::textPrimitive(const PartShape& shape) {
    const TextPicture picture = textPicture(shape.text);
    const double s = shape.fontSize, half = picture.width * s / 2;
    const double low = picture.descent * s, high = picture.ascent * s;
    std::vector<float> positions, normals;
    const double corners[4][2] = {{-half, low}, {half, low}, {half, high}, {-half, high}};
    for (const auto& corner : corners) {
        const Vec3 p = shape.place.point({corner[0], corner[1], 0});
        const Vec3 n = placedNormal(shape.place, {0, 0, 1});
        positions.insert(positions.end(), {float(p.x), float(p.y), float(p.z)});
        normals.insert(normals.end(), {float(n.x), float(n.y), float(n.z)});
    }
    const std::vector<float> uvs{0, 1, 1, 1, 1, 0, 0, 0};
    static constexpr std::uint32_t kQuad[] = {0, 1, 2, 0, 2, 3};
    const int texture = textureOf(picture.png, "image/png");
    const int material =
        addMaterial(materialJson(shape.paint, texture, true)); // its own texture: never shared
    return primitiveOf(positions, normals, uvs,
                       {reinterpret_cast<const char*>(kQuad), sizeof kQuad}, material);
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

std::string GlbParts::json() const {
    std::string out = joined("meshes", m_meshes) + joined("materials", m_materials) +
                      joined("textures", m_textureItems) + joined("images", m_images);
    if (!m_images.empty())
        out += "\"samplers\":[{\"magFilter\":9729,\"minFilter\":9987}],";
    return out + joined("accessors", m_accessors) + joined("bufferViews", m_views) +
           "\"buffers\":[{\"byteLength\":" + std::to_string(m_binary.size()) + "}],";
}

} // namespace norvane
