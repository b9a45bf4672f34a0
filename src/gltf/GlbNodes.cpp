#include "GlbNodes.h"

#include "JsonText.h"

#include "scene/NumberText.h"
#include "scene/Orientation.h"
#include "scene/RowFields.h"
#include "view3d/NumberList.h"
#include "vrml/KindLooks.h"
#include "vrml/RowNumbers.h"
#include "vrml/WorldLooks.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace norvane {

namespace {

// `,"member":[x,y,...]`, made in place and appended at once. glTF keeps its numbers as floats:
// written so, the text is short and quick to make.
void appendVec(std::string& out, std::string_view member, std::initializer_list<double> v) {
    char text[24 + 4 * 24]; // members are short words; a float takes at most 15 characters
    char* end = std::copy(member.begin(), member.end(), std::copy_n(",\"", 2, text));
    end = std::copy_n("\":[", 3, end);
    for (const double x : v)
        end = writeJsonNumber(end, static_cast<float>(x)), *end++ = ',';
    end[-1] = ']';
    out.append(text, end);
}

void appendCount(std::string& out, std::size_t number) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
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

} // namespace

// Names are the catalogue's kind names and the world's own, which JSON takes as they are.
int NodeBlock::open(std::string_view name, std::size_t row) {
    text.append(",{\"name\":\"").append(name);
    if (row)
        text += ' ', appendCount(text, row);
    text += '"';
    roots.push_back(count);
    return count++;
}

void NodeBlock::mark(bool mesh, int number) {
    marks.push_back({static_cast<std::uint32_t>(text.size()),
                     static_cast<std::uint32_t>(number) | (mesh ? NodeMark::kMesh : 0)});
}

template <typename Key>
int NodeBlock::requestFor(std::map<Key, int>& made, const Key& key, MeshRequest request) {
    const auto [at, added] = made.emplace(key, static_cast<int>(requests.size()));
    if (added)
        requests.push_back(std::move(request));
    return at->second;
}

void NodeBlock::extras(std::string_view url, std::string_view words) {
    if (url.empty() && words.empty())
        return;
    text += ",\"extras\":{";
    if (!url.empty()) {
        text += "\"url\":";
        appendJsonString(text, url);
        if (!m_target.empty())
            text += ",\"target\":", appendJsonString(text, m_target);
    }
    if (!words.empty()) {
        text += url.empty() ? "\"text\":" : ",\"text\":";
        appendJsonString(text, words);
    }
    text += '}';
}

std::string rotationAbout(double turn) {
    std::string out;
    if (turn != 0)
        appendVec(out, "rotation", {0, std::sin(turn / 2), 0, std::cos(turn / 2)});
    return out;
}

// The rotation member of each orientation code, made once; none for facing forward.
const std::array<std::string, 4>& codeRotations() {
    static const std::array<std::string, 4> rotations = [] {
        std::array<std::string, 4> made;
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = rotationAbout(readNumberText(kOrientationCodes[i]).value);
        return made;
    }();
    return rotations;
}

void NodeBlock::placePoint(double x, double z, std::string_view orientation) {
    appendVec(text, "translation", {x, pointLift(), z});
    const auto code = std::find(kOrientationCodes.begin(), kOrientationCodes.end(), orientation);
    if (code != kOrientationCodes.end())
        text += codeRotations()[static_cast<std::size_t>(code - kOrientationCodes.begin())];
    else
        text += rotationAbout(readNumberText(orientation).value);
}

void NodeBlock::pointObject(const SceneRow& row, std::size_t index, const KindInfo& kind) {
    const PointFields fields = pointFields(row);
    const PointPlace place = readPointPlace(row, index);
    open(kind.name, index + 1);
    placePoint(place.x - 50, place.y - 50, fields.orientation);
    int mesh = -1;
    if (kind.libraryEntry >= 0) {
        const std::string name(kind.name);
        mesh = requestFor(m_models, name, {MeshRequest::Type::Model, name, kind.libraryEntry, {}});
    } else if (const TextLook* look = findTextLook(kind.name); look && !fields.text.empty()) {
        const std::string key = std::string(kind.name) + ": " + std::string(fields.text);
        const PartShape shape{kTextShape, Affine::translation(vec3Of(look->lift)), Paint{},
                              fields.text, numberOf(look->size, 1.0)};
        mesh = requestFor(m_texts, key, {MeshRequest::Type::Text, key, -1, shape});
    }
    if (mesh >= 0)
        text += ",\"mesh\":", mark(true, mesh);
    extras(fields.anchor, fields.text);
    text += '}';
}

void NodeBlock::child(const ShapeInstance& shape) {
    const auto& m = shape.place.linear; // slabs and ellipsoids are scaled, never turned
    text += ",{\"name\":\"part\"";
    appendVec(text, "translation",
              {shape.place.offset.x, shape.place.offset.y, shape.place.offset.z});
    appendVec(text, "scale", {m[0], m[4], m[8]});
    text += ",\"mesh\":";
    const PartShape part{shape.mesh, {}, shape.paint};
    mark(true, requestFor(m_parts, std::pair(shape.mesh, paintKey(shape.paint)),
                          {MeshRequest::Type::Part, {}, -1, part}));
    text += '}';
    ++count;
}

void NodeBlock::areaObject(const SceneRow& row, std::size_t index) {
    readAreaRect(row, index);
    WorldShapes shapes;
    appendObjectShapes(row, static_cast<int>(index), shapes);
    open(row.kind, index + 1);
    text += ",\"children\":[";
    for (std::size_t i = 0; i < shapes.shapes.size(); ++i)
        text += i ? "," : "", mark(false, count + static_cast<int>(i));
    text += ']';
    extras(areaFields(row).anchor, {});
    text += '}';
    for (const ShapeInstance& shape : shapes.shapes)
        child(shape);
}

void NodeBlock::object(const SceneRow& row, std::size_t index) {
    const KindInfo* kind = findKind(row.kind);
    if (!kind)
        return;
    if (findAreaLook(row.kind))
        areaObject(row, index);
    else
        pointObject(row, index, *kind);
}

void NodeBlock::ground() {
    const WorldShapes ground = groundShapes();
    open("Ground", 0);
    text += ",\"children\":[", mark(false, count), text += "]}";
    child(ground.shapes.front());
}

void NodeBlock::lightsAndCamera() {
    for (std::size_t i = 0; i < kLightDirections.size(); ++i) {
        open("Light " + std::to_string(i + 1), 0);
        const auto q = turnFromMinusZ(vec3Of(kLightDirections[i]));
        appendVec(text, "rotation", {q[0], q[1], q[2], q[3]});
        text += ",\"extensions\":{\"KHR_lights_punctual\":{\"light\":" + std::to_string(i) + "}}}";
    }
    const Vec3 start = vec3Of(kViewpointPosition);
    open("Starting Point", 0);
    appendVec(text, "translation", {start.x, start.y, start.z});
    text += ",\"camera\":0}";
}

namespace {

int madeMesh(GlbParts& parts, const MeshRequest& request) {
    switch (request.type) {
    case MeshRequest::Type::Model: {
        const ModelShapes& model = modelShapes(static_cast<std::size_t>(request.entry));
        std::vector<PartShape> shapes;
        for (const ShapeTemplate& s : model.shapes)
            shapes.push_back({s.mesh, s.place, s.paint});
        for (const TextTemplate& t : model.texts)
            shapes.push_back({kTextShape, t.place, t.paint, t.text, t.fontSize});
        return parts.meshFor(request.key, shapes);
    }
    case MeshRequest::Type::Text:
        return parts.meshFor(request.key, {request.shape});
    case MeshRequest::Type::Part:
        break;
    }
    const std::string key = (request.shape.mesh == kSphereMesh ? "Sphere " : "Box ") +
                            std::to_string(parts.materialFor(request.shape.paint));
    return parts.meshFor(key, {request.shape});
}

// The number a mark stands for, once its block is numbered.
char* writeNumber(char* out, const NodeBlock& block, const NodeMark& mark) {
    const int number = mark.mesh() ? block.meshNumbers[static_cast<std::size_t>(mark.number())]
                                   : block.firstNode + mark.number();
    return std::to_chars(out, out + 24, number).ptr;
}

} // namespace

std::size_t numberNodeBlock(GlbParts& parts, NodeBlock& block, int firstNode, bool first,
                            std::string& roots) {
    block.firstNode = firstNode;
    for (const MeshRequest& request : block.requests)
        block.meshNumbers.push_back(madeMesh(parts, request));
    std::size_t size = block.text.size() - (first && !block.text.empty());
    char digits[24];
    for (const NodeMark& mark : block.marks)
        size += static_cast<std::size_t>(writeNumber(digits, block, mark) - digits);
    for (const int root : block.roots)
        roots += (roots.empty() ? "" : ",") + std::to_string(firstNode + root);
    return size;
}

void writeNodeBlock(NodeBlock& block, bool first, const TextSink& sink) {
    std::string piece;
    piece.reserve(block.text.size() + block.marks.size() * 8);
    std::size_t from = first && !block.text.empty() ? 1 : 0;
    char digits[24];
    for (const NodeMark& mark : block.marks) {
        piece.append(block.text, from, mark.at - from);
        piece.append(digits, writeNumber(digits, block, mark));
        from = mark.at;
    }
    piece.append(block.text, from);
    block = NodeBlock(""); // gives its memory back before the sink has the piece
    sink(piece);
}

} // namespace norvane
