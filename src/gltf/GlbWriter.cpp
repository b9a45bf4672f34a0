#include "GlbWriter.h"

#include "GlbParts.h"
#include "JsonText.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scene/RowFields.h"
#include "view3d/NumberList.h"
#include "view3d/WorldShapes.h"
#include "vrml/KindLooks.h"
#include "vrml/RowNumbers.h"
#include "vrml/WorldLooks.h"

#include <cmath>
#include <cstdint>

namespace norvane {

namespace {

void appendVec(std::string& out, std::string_view member, std::initializer_list<double> v) {
    out.append(",\"").append(member).append("\":[");
    bool first = true;
    for (const double x : v)
        (first ? out : out += ','), appendJsonNumber(out, x), first = false;
    out += ']';
}

// The quaternion turning -Z (where lights and cameras look) onto `d`.
std::array<double, 4> turnFromMinusZ(Vec3 d) {
    const Vec3 from{0, 0, -1}, to = normalized(d);
    const double w = 1 + dot(from, to);
    if (w < 1e-9)
        return {0, 1, 0, 0};
    const Vec3 axis = cross(from, to);
    const double length = std::sqrt(w * w + dot(axis, axis));
    return {axis.x / length, axis.y / length, axis.z / length, w / length};
}

// Builds the "nodes" array and the root list while the parts collect meshes and materials.
class NodeList {
public:
    explicit NodeList(GlbParts& parts, std::string_view target)
        : m_parts(parts), m_target(target) {}

    void object(const SceneRow& row, std::size_t index);
    void ground();
    void lightsAndCamera();
    std::string rootList() const;
    std::string& text() { return m_nodes; }

private:
    int open(std::string_view name, std::size_t row);
    void extras(std::string_view url, std::string_view text);
    void pointObject(const SceneRow& row, std::size_t index, const KindInfo& kind);
    void areaObject(const SceneRow& row, std::size_t index);
    void child(const ShapeInstance& shape);

    GlbParts& m_parts;
    std::string_view m_target;
    std::string m_nodes;
    std::vector<int> m_roots;
    int m_count = 0;
};

int NodeList::open(std::string_view name, std::size_t row) {
    m_nodes += m_count ? ",{\"name\":" : "{\"name\":";
    appendJsonString(m_nodes,
                     row ? std::string(name) + ' ' + std::to_string(row) : std::string(name));
    m_roots.push_back(m_count);
    return m_count++;
}

void NodeList::extras(std::string_view url, std::string_view text) {
    if (url.empty() && text.empty())
        return;
    m_nodes += ",\"extras\":{";
    if (!url.empty()) {
        m_nodes += "\"url\":";
        appendJsonString(m_nodes, url);
        if (!m_target.empty())
            m_nodes += ",\"target\":", appendJsonString(m_nodes, m_target);
    }
    if (!text.empty()) {
        m_nodes += url.empty() ? "\"text\":" : ",\"text\":";
        appendJsonString(m_nodes, text);
    }
    m_nodes += '}';
}

void NodeList::pointObject(const SceneRow& row, std::size_t index, const KindInfo& kind) {
    const PointFields fields = pointFields(row);
    const PointPlace place = readPointPlace(row, index);
    const double turn = readNumberText(fields.orientation).value;
    open(kind.name, index + 1);
    appendVec(m_nodes, "translation", {place.x - 50, pointLift(), place.y - 50});
    appendVec(m_nodes, "rotation", {0, std::sin(turn / 2), 0, std::cos(turn / 2)});
    std::vector<PartShape> shapes;
    std::string key(kind.name);
    if (kind.libraryEntry >= 0) {
        const ModelShapes& model = modelShapes(static_cast<std::size_t>(kind.libraryEntry));
        for (const ShapeTemplate& s : model.shapes)
            shapes.push_back({s.mesh, s.place, s.paint});
        for (const TextTemplate& t : model.texts)
            shapes.push_back({kTextShape, t.place, t.paint, t.text, t.fontSize});
    } else if (const TextLook* look = findTextLook(kind.name); look && !fields.text.empty()) {
        shapes.push_back({kTextShape, Affine::translation(vec3Of(look->lift)), Paint{}, fields.text,
                          numberOf(look->size, 1.0)});
        key += ": " + std::string(fields.text);
    }
    if (!shapes.empty())
        m_nodes += ",\"mesh\":" + std::to_string(m_parts.meshFor(key, shapes));
    extras(fields.anchor, fields.text);
    m_nodes += '}';
}

void NodeList::child(const ShapeInstance& shape) {
    const auto& m = shape.place.linear; // slabs and ellipsoids are scaled, never turned
    m_nodes += ",{\"name\":\"part\"";
    appendVec(m_nodes, "translation",
              {shape.place.offset.x, shape.place.offset.y, shape.place.offset.z});
    appendVec(m_nodes, "scale", {m[0], m[4], m[8]});
    const std::string key = (shape.mesh == kSphereMesh ? "Sphere " : "Box ") +
                            std::to_string(m_parts.materialFor(shape.paint));
    m_nodes += ",\"mesh\":" + std::to_string(m_parts.meshFor(key, {{shape.mesh, {}, shape.paint}}));
    m_nodes += '}';
    ++m_count;
}

void NodeList::areaObject(const SceneRow& row, std::size_t index) {
    readAreaRect(row, index);
    WorldShapes shapes;
    appendObjectShapes(row, static_cast<int>(index), shapes);
    open(row.kind, index + 1);
    const int first = m_count;
    m_nodes += ",\"children\":[";
    for (std::size_t i = 0; i < shapes.shapes.size(); ++i)
        m_nodes += (i ? "," : "") + std::to_string(first + static_cast<int>(i));
    m_nodes += ']';
    extras(areaFields(row).anchor, {});
    m_nodes += '}';
    for (const ShapeInstance& shape : shapes.shapes)
        child(shape);
}

void NodeList::object(const SceneRow& row, std::size_t index) {
    const KindInfo* kind = findKind(row.kind);
    if (!kind)
        return;
    if (findAreaLook(row.kind))
        areaObject(row, index);
    else
        pointObject(row, index, *kind);
}

void NodeList::ground() {
    const WorldShapes ground = groundShapes();
    open("Ground", 0);
    m_nodes += ",\"children\":[" + std::to_string(m_count) + "]}";
    child(ground.shapes.front());
}

void NodeList::lightsAndCamera() {
    for (std::size_t i = 0; i < kLightDirections.size(); ++i) {
        open("Light " + std::to_string(i + 1), 0);
        const auto q = turnFromMinusZ(vec3Of(kLightDirections[i]));
        appendVec(m_nodes, "rotation", {q[0], q[1], q[2], q[3]});
        m_nodes +=
            ",\"extensions\":{\"KHR_lights_punctual\":{\"light\":" + std::to_string(i) + "}}}";
    }
    const Vec3 start = vec3Of(kViewpointPosition);
    open("Starting Point", 0);
    appendVec(m_nodes, "translation", {start.x, start.y, start.z});
    m_nodes += ",\"camera\":0}";
}

std::string NodeList::rootList() const {
    std::string out;
    for (std::size_t i = 0; i < m_roots.size(); ++i)
        out += (i ? "," : "") + std::to_string(m_roots[i]);
    return out;
}

std::string sceneExtras(const WorldOptions& options) {
    const Sky& sky = skyNamed(options.sky);
    std::string out = ",\"extras\":{\"sky\":{\"name\":";
    appendJsonString(out, sky.name);
    out += ",\"colours\":", appendJsonString(out, sky.colours);
    out += ",\"angles\":", appendJsonString(out, sky.angles);
    out += '}';
    if (!options.musicFile.empty())
        out += ",\"music\":", appendJsonString(out, options.musicFile);
    return out + '}';
}

constexpr std::string_view kHead =
    "{\"asset\":{\"version\":\"2.0\",\"generator\":\"Norvane\"},"
    "\"extensionsUsed\":[\"KHR_lights_punctual\",\"KHR_materials_unlit\","
    "\"KHR_texture_transform\"],"
    "\"extensions\":{\"KHR_lights_punctual\":{\"lights\":["
    "{\"type\":\"directional\",\"name\":\"Light 1\"},"
    "{\"type\":\"directional\",\"name\":\"Light 2\"}]}},"
    "\"cameras\":[{\"type\":\"perspective\",\"perspective\":{\"yfov\":0.785398,\"znear\":0.1}}],"
    "\"scene\":0,";

void putWord(std::string& out, std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((word >> (8 * i)) & 0xff);
}

} // namespace

void writeGlbWorld(const Scene& scene, const WorldOptions& options, const WorldTextures& textures,
                   const TextSink& sink) {
    GlbParts parts(textures);
    NodeList nodes(parts, options.targetFrame);
    nodes.ground();
    const auto rows = scene.rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        nodes.object(rows[row], row);
    nodes.lightsAndCamera();
    std::string head(kHead);
    head += parts.json() + "\"nodes\":[";
    std::string tail = "],\"scenes\":[{\"name\":\"World\",\"nodes\":[" + nodes.rootList() + "]" +
                       sceneExtras(options) + "}]}";
    const std::size_t json = head.size() + nodes.text().size() + tail.size();
    tail.append((4 - json % 4) % 4, ' ');
    const std::size_t jsonLength = json + (4 - json % 4) % 4;
    const std::string& binary = parts.binary();
    std::string header;
    putWord(header, 0x46546C67); // "glTF"
    putWord(header, 2);
    putWord(header, static_cast<std::uint32_t>(12 + 8 + jsonLength + 8 + binary.size()));
    putWord(header, static_cast<std::uint32_t>(jsonLength));
    putWord(header, 0x4E4F534A); // "JSON"
    sink(header), sink(head), sink(nodes.text()), sink(tail);
    std::string binHeader;
    putWord(binHeader, static_cast<std::uint32_t>(binary.size()));
    putWord(binHeader, 0x004E4942); // "BIN\0"
    sink(binHeader), sink(binary);
}

} // namespace norvane
