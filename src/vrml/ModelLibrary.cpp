#include "ModelLibrary.h"

#include "scene/Error.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace norvane {
namespace {

// How a part is painted. An empty colour writes no Material, an empty texture no ImageTexture;
// a TextureTransform is written when fields are given, an empty one for "".
struct Look {
    std::string_view colour = {};
    std::string_view texture = {};
    std::optional<std::string_view> texTransform = {};
};

// One part of a model: a Transform holding one Shape. Empty field texts are not written.
struct Part {
    std::string_view translation;
    std::string_view geometry; // the whole geometry node
    Look look;
    std::string_view rotation = {};
    std::string_view scale = {};
    bool appearanceFirst = false;
};

// A model body: its parts, optionally enclosed in one scaling Transform that starts with a node
// of its own. Enclosed parts write their scale before their rotation.
struct Model {
    std::span<const Part> parts;
    std::string_view enclosingScale = {};
    std::string_view enclosingFirstNode = {};
};

constexpr std::string_view kLeaves = "source1.jpg";
constexpr std::string_view kWood = "source5.jpg";
constexpr std::string_view kTurned = "rotation 1.57";
constexpr std::string_view kOnSide = "0 0 1 1.57";

constexpr Look kGrey{"0.7 0.7 0.7"};
constexpr Look kWhite{"1 1 1"};
constexpr Look kBlack{"0 0 0"};
constexpr Look kBlue{"0 0 1"};
constexpr Look kBrown{"0.25 0.1 0"};
constexpr Look kPlainWood{{}, kWood};
constexpr Look kTurnedWood{{}, kWood, kTurned};
constexpr Look kUprightWood{{}, kWood, "rotation 0"};
constexpr Look kReversedWood{{}, kWood, "rotation 3.14"};

constexpr Part kTree[] = {
    {"0 3 0", "Cone { bottomRadius 0.5 height 4 }", {"0 0.7 0", kLeaves}},
    {"0 0.5 0", "Cylinder { radius 0.125 height 1 }", {"0.7 0.3 0", kWood, kTurned}},
};

constexpr Part kLightPost[] = {
    {"",
     "Extrusion { solid FALSE crossSection [ -0.1 0, 0 0.1, 0.1 0, 0 -0.1 ] "
     "scale [ 1 1, 1 1, 1 1, 1 1, 1 1, 1 1, 1 1 ] "
     "spine [ 0 0 0, 0 1 0, 0 2 0, 0 3 0, 0 3.25 0.5, 0 3 1, 0 2.75 1 ] }",
     kGrey},
    {"0 2.75 1", "Cone { bottomRadius 0.3 height 0.3 side TRUE bottom FALSE }", kGrey},
    {"0 2.75 1", "Cone { bottomRadius 0.3 height 0.3 side FALSE bottom TRUE }", {"1 1 0"}},
};

constexpr Part kOfficeBR[] = {
    {"0 8 0", "Box { size 10 16 10 }", {"0.7 0.7 0.7", "source3.jpg", "scale 10 16"}},
    {"0 16.05 0", "Box { size 10 0.1 10 }", kGrey},
};

constexpr Part kFountain[] = {
    {"0 0.1 0", "Cylinder { radius 1 height 0.2 }", {"0.5 0.5 0.5"}},
    {"0 0.205 0", "Cylinder { radius 0.9 height 0.01 }", {"0 0 1", "source4.jpg"}},
};

constexpr std::string_view kPane = "Box { size 0.5 0.5 0.02 }";
constexpr Part kHouse[] = {
    {"0 1.5 0", "Box { size 3 3 3 }", {"1 0 0", "source2.jpg", "scale 20 20"}},
    {"",
     "IndexedFaceSet { solid FALSE coord Coordinate { point [ -1.5 3 1.5, 1.5 3 1.5, 0 5 1.5, "
     "-1.5 3 -1.5, 1.5 3 -1.5, 0 5 -1.5 ] } "
     "coordIndex [ 0 1 2 -1, 3 4 5 -1, 0 2 5 3 -1, 1 2 5 4 -1 ] }",
     kBrown,
     {},
     {},
     true},
    {"0 0.5 1.51", "Box { size 0.5 1 0.05 }", kBrown},
    {"-1 2 1.521", kPane, kBlue},
    {"1 2 1.525", kPane, kBlue},
    {"-1 0.5 1.521", kPane, kBlue},
    {"1 0.5 1.525", kPane, kBlue},
};

constexpr Part kOfficeBC[] = {
    {"0 8 0", "Cylinder { radius 5 height 16 }", {"0.7 0.7 0.7", "source3.jpg", "scale 32 16"}},
    {"0 16.05 0", "Cylinder { radius 5 height 0.1 }", kGrey},
};

constexpr Part kSpeedLimit[] = {
    {"0 0.5 0", "Cylinder { radius 0.05 height 1 }", kGrey},
    {"0 1.2 0", "Box { size 0.4 0.4 0.1 }", kWhite},
    {"0 1.15 0.057", R"(Text { string "55" fontStyle FontStyle { justify "MIDDLE" size 0.3 } })",
     kBlack},
    {"0 1.05 0.057", R"(Text { string "MPH" fontStyle FontStyle { justify "MIDDLE" size 0.1 } })",
     kBlack},
};

// The two cars differ only in the colour of the body box.
constexpr std::array<Part, 10> carParts(std::string_view bodyColour) {
    constexpr std::string_view wheel = "Cylinder { radius 0.1 height 0.05 }";
    constexpr std::string_view lamp = "Box { size 0.1 0.1 0.01 }";
    constexpr std::string_view strip = "Box { size 0.4 0.1 0.01 }";
    constexpr Look tyre{"0.3 0.3 0.3"};
    return {{
        {"0 0.17 0", "Box { size 0.6 0.20 1.5 }", {bodyColour}},
        {"",
         "IndexedFaceSet { solid FALSE coord Coordinate { point [ 0.3 0.27 -0.50, 0.3 0.27 0.25, "
         "0.25 0.47 0, 0.25 0.47 -0.25, -0.3 0.27 -0.50, -0.3 0.27 0.25, -0.25 0.47 0, "
         "-0.25 0.47 -0.25 ] } coordIndex [ 0 1 2 3 -1, 0 4 7 3 -1, 4 5 6 7 -1, 1 2 6 5 -1, "
         "3 2 6 7 -1, 0 1 5 4 -1 ] }",
         {"0.7 0.7 1"}},
        {"-0.31 0.12 -0.6", wheel, tyre, kOnSide},
        {"-0.31 0.12 0.4", wheel, tyre, kOnSide},
        {"0.31 0.12 -0.6", wheel, tyre, kOnSide},
        {"0.31 0.12 0.4", wheel, tyre, kOnSide},
        {"-0.24 0.17 0.755", lamp, {"1 1 0.7"}},
        {"0.24 0.17 0.755", lamp, {"1 1 0.7"}},
        {"0 0.17 0.755", strip, {"0.4 0.4 0.4"}},
        {"0 0.17 -0.755", strip, {"1 0.2 0.2"}},
    }};
}
constexpr std::array<Part, 10> kRedCar = carParts("1 0 0");
constexpr std::array<Part, 10> kBlueCar = carParts("0 0 1");

constexpr std::string_view kBenchLeg = "Cylinder { radius 0.01 height 0.2 }";
constexpr Part kBench[] = {
    {"0 0.2 0", "Box { size 0.8 0.01 0.2 }", kPlainWood},
    {"0 0.3 -0.1", "Box { size 0.8 0.2 0.01 }", kPlainWood},
    {"0.38 0.1 0.08", kBenchLeg, kTurnedWood},
    {"-0.38 0.1 0.08", kBenchLeg, kTurnedWood},
    {"0.38 0.1 -0.08", kBenchLeg, kTurnedWood},
    {"-0.38 0.1 -0.08", kBenchLeg, kTurnedWood},
};

// The man figure, 11 units tall before the enclosing scale.
constexpr Look kShirt{"1 0 0"};
constexpr Look kSkin{"1 1 0.7"};
constexpr Look kIris{"0.7 0.7 1"};
constexpr Look kLips{"1 0.5 0.5"};
constexpr std::string_view kLeg = "Cylinder { radius 0.25 height 5 }";
constexpr std::string_view kShoe = "Box { size 0.5 0.5 1 }";
constexpr std::string_view kArm = "Cylinder { radius 0.2 height 3.5 }";
constexpr std::string_view kHand = "Cylinder { radius 0.17 height 0.4 }";
constexpr std::string_view kBall = "Sphere { radius 0.1 }";
constexpr std::string_view kPupil = "Sphere { radius 0.025 }";
constexpr std::string_view kLip = "Sphere { radius 0.04 }";
constexpr Part kMan[] = {
    {"-0.5 0.25 0.25", kShoe, kBlack},
    {"-0.5 3 0", kLeg, kBlue},
    {"0.5 0.25 0.25", kShoe, kBlack},
    {"0.5 3 0", kLeg, kBlue},
    {"0 5.575 0", "Cylinder { radius 0.5 height 1.5 }", kBlue, kOnSide, "1 1 0.7"},
    {"0 7.825 0", "Cylinder { radius 0.9 height 3.5 }", kShirt, {}, "1 1 0.4"},
    {"0 9.35 0", "Cylinder { radius 0.2 height 2.7 }", kShirt, kOnSide, "1 1 1"},
    {"1.15 7.625 0", kArm, kShirt, {}, "1 1 1"},
    {"1.15 5.675 0", kHand, kSkin, {}, "1 1 0.5"},
    {"-1.15 7.625 0", kArm, kShirt, {}, "1 1 1"},
    {"-1.15 5.675 0", kHand, kSkin, {}, "1 1 0.5"},
    {"0 9.7 0", "Cylinder { radius 0.25 height 0.2 }", kSkin, {}, "1 1 1"},
    {"0 10.3 0", "Sphere { radius 0.7 }", kSkin, {}, "0.8 1 0.8"},
    {"-0.3 10.5 0.4", kBall, kIris, {}, "1 0.6 1"},
    {"-0.3 10.5 0.5", kPupil, kBlack, {}, "1 0.6 1"},
    {"0.3 10.5 0.4", kBall, kIris, {}, "1 0.6 1"},
    {"0.3 10.5 0.5", kPupil, kBlack, {}, "1 0.6 1"},
    {"0 10.3 0.5", kBall, kSkin, {}, "1 2 1"},
    {"0 9.9 0.433", kLip, kLips, {}, "5 1 1"},
    {"0 9.86 0.4", kLip, kLips, {}, "4.7 1 1"},
    {"0 10.827 0", "Cylinder { radius 0.5 height 0.35 }", {"0.3 0.2 0"}, {}, "1 1 1"},
    {"0.5 10.3 0", kBall, kSkin, {}, "1.2 1.2 0.5"},
    {"-0.5 10.3 0", kBall, kSkin, {}, "1.2 1.2 0.5"},
};

constexpr std::string_view kJamb = "Box { size 0.05 0.8 0.05 }";
constexpr Part kDoor[] = {
    {"0 0.4 0", "Box { size 0.3 0.8 0.02 }", {{}, kWood, "rotation 1.57 scale 1 2"}},
    {"0.12 0.4 0.02", "Sphere { radius 0.02 }", {"1 0.8 0"}},
    {"0.175 0.4 0", kJamb, kWhite},
    {"-0.175 0.4 0", kJamb, kWhite},
    {"0 0.825 0", "Box { size 0.4 0.05 0.05 }", kWhite},
};

constexpr Part kArrow[] = {
    {"0 0.35 0", "Cylinder { radius 0.05 height 0.7 }", kGrey},
    {"0 0.75 -0.1", "Box { size 0.1 0.1 0.5 }", kWhite},
    {"",
     "IndexedFaceSet { solid FALSE coord Coordinate { point [ 0.05 0.9 0.15, 0.05 0.6 0.15, "
     "0.05 0.75 0.35, -0.05 0.9 0.15, -0.05 0.6 0.15, -0.05 0.75 0.35 ] } "
     "coordIndex [ 0 1 2 -1, 3 4 5 -1, 1 2 5 4 -1, 0 3 5 2 -1, 0 1 4 3 -1 ] }",
     kWhite},
};

constexpr std::string_view kChairLeg = "Cylinder { radius 0.01 height 0.2 }";
constexpr Part kChair[] = {
    {"0 0.2 0", "Box { size 0.2 0.01 0.2 }", kTurnedWood},
    {"0 0.35 -0.1", "Box { size 0.2 0.3 0.01 }", kTurnedWood},
    {"0.09 0.1 0.08", kChairLeg, kTurnedWood},
    {"-0.09 0.1 0.08", kChairLeg, kTurnedWood},
    {"0.09 0.1 -0.08", kChairLeg, kTurnedWood},
    {"-0.09 0.1 -0.08", kChairLeg, kTurnedWood},
};

constexpr Part kTableR[] = {
    {"0 0.145 0", "Cylinder { radius 0.03 height 0.29 }", kTurnedWood},
    {"0 0.29 0", "Cylinder { radius 0.4 height 0.03 }", kTurnedWood},
    {"0 0.025 0", "Cylinder { radius 0.1 height 0.05 }", kTurnedWood},
};

constexpr std::string_view kTableLeg = "Box { size 0.02 0.29 0.02 }";
constexpr Part kTableS[] = {
    {"-0.38 0.145 0.38", kTableLeg, kTurnedWood},
    {"0.38 0.145 0.38", kTableLeg, kTurnedWood},
    {"-0.38 0.145 -0.38", kTableLeg, kTurnedWood},
    {"0.38 0.145 -0.38", kTableLeg, kTurnedWood},
    {"0 0.305 0", "Box { size 0.8 0.03 0.8 }", kPlainWood},
};

constexpr std::string_view kPedestal = "Box { size 0.15 0.3 0.29 }";
constexpr Part kDesk[] = {
    {"0 0.15 0.15", "Box { size 0.6 0.3 0.01 }", kPlainWood},
    {"-0.225 0.15 0", kPedestal, kPlainWood},
    {"0.225 0.15 0", kPedestal, kPlainWood},
    {"0 0.3 0", "Box { size 0.63 0.02 0.32 }", {{}, kWood, ""}},
    {"0 0.15 0.1505", "Box { size 0.5 0.2 0.02 }", kReversedWood},
};

constexpr Look kFoliage{"0.2 0.2 0", kLeaves, "rotation 1.57 scale 4 4"};
constexpr Part kPlant[] = {
    {"0 0.025 0", "Cylinder { radius 0.1 height 0.05 }", {"0.2 0.2 0"}},
    {"0 0.275 0", "Cylinder { radius 0.02 height 0.5 }", {"0.2 0.2 0", kWood, kTurned}},
    {"0 0.37 0", kBall, kFoliage, {}, "3 1 3"},
    {"0 0.5 0", kBall, kFoliage, {}, "2.5 1 2.5"},
    {"0 0.63 0", kBall, kFoliage, {}, "2 1 2"},
};

constexpr std::string_view kSide = "Box { size 0.02 0.4 0.3 }";
constexpr std::string_view kBoard = "Box { size 0.66 0.02 0.3 }";
constexpr Part kShelf[] = {
    {"0 0.15 0", "Box { size 0.7 0.3 0.3 }", kUprightWood},
    {"0.34 0.5 0", kSide, kTurnedWood},
    {"-0.34 0.5 0", kSide, kTurnedWood},
    {"0 0.69 0", kBoard, kUprightWood},
    {"0 0.49 0", kBoard, kUprightWood},
    {"0 0.49 -0.14", "Box { size 0.66 0.38 0.02 }", kUprightWood},
    {"0 0.15 0.15", "Box { size 0.6 0.25 0.02 }", kReversedWood},
};

constexpr Part kTV[] = {
    {"0 0.1 0", "Box { size 0.25 0.2 0.2 }", kPlainWood},
    {"0 0.1 0.1", "Box { size 0.2 0.15 0.02 }", kReversedWood},
    {"0 0.35 0", "Box { size 0.3 0.3 0.24 }", {"0.1 0.1 0.1"}},
    {"0 0.36 0.125", "Box { size 0.26 0.22 0.01 }", {"0.2 0.2 0.2"}},
    {"0 0.23 0.125", "Box { size 0.2 0.03 0.01 }", {"0.3 0.3 0.3"}},
    {"0.08 0.23 0.13", "Box { size 0.01 0.01 0.01 }", {"0.1 1 0.1"}},
    {"0 0.48 0", "Sphere { radius 0.06 }", {"0.1 0.1 0.1"}},
};

constexpr Look kTin{"0.9 0.9 0.9"};
constexpr Look kFlag{"1 0.1 0.1"};
constexpr std::string_view kLid = "Box { size 0.1 0.01 0.3 }";
constexpr std::string_view kWall = "Box { size 0.01 0.09 0.3 }";
constexpr Part kMailbox[] = {
    {"0 0.2 0", "Cylinder { radius 0.03 height 0.4 }", kTurnedWood},
    {"0 0.405 0", kLid, kTin},
    {"0 0.505 0", kLid, kTin},
    {"0.045 0.455 0", kWall, kTin},
    {"-0.045 0.455 0", kWall, kTin},
    {"0 0.455 -0.155", "Box { size 0.1 0.11 0.01 }", kTin},
    {"-0.0525 0.5 0.05", "Box { size 0.005 0.1 0.03 }", kFlag},
    {"-0.0525 0.535 0.02", "Box { size 0.005 0.03 0.03 }", kFlag},
};

constexpr std::array<Model, kModelCount> kModels{{
    {kTree},
    {kLightPost},
    {kOfficeBR},
    {kFountain},
    {kHouse},
    {kOfficeBC},
    {kSpeedLimit},
    {kRedCar},
    {kBlueCar},
    {kBench},
    {kMan, "0.048 0.048 0.048", "Background { skyColor 1 1 1 }"},
    {kDoor},
    {kArrow},
    {kChair},
    {kTableR},
    {kTableS},
    {kDesk},
    {kPlant},
    {kShelf},
    {kTV},
    {kMailbox},
}};

// Appends lines at a given tab depth, each ended with CR LF.
class BodyWriter {
public:
    void line(int depth, std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        m_text.append(static_cast<std::size_t>(depth), '\t');
        m_text.append(a).append(b).append(c).append("\r\n");
    }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

void writeAppearance(BodyWriter& out, int depth, const Look& look) {
    out.line(depth, "appearance Appearance {");
    if (!look.colour.empty())
        out.line(depth + 1, "material Material { diffuseColor ", look.colour, " }");
    if (!look.texture.empty())
        out.line(depth + 1, "texture ImageTexture { url \"", look.texture, "\" }");
    if (look.texTransform && look.texTransform->empty())
        out.line(depth + 1, "textureTransform TextureTransform {}");
    else if (look.texTransform)
        out.line(depth + 1, "textureTransform TextureTransform { ", *look.texTransform, " }");
    out.line(depth, "}");
}

void writeShape(BodyWriter& out, int depth, const Part& part) {
    out.line(depth, "Shape {");
    if (part.appearanceFirst)
        writeAppearance(out, depth + 1, part.look);
    out.line(depth + 1, "geometry ", part.geometry);
    if (!part.appearanceFirst)
        writeAppearance(out, depth + 1, part.look);
    out.line(depth, "}");
}

void writeField(BodyWriter& out, int depth, std::string_view name, std::string_view value) {
    if (!value.empty())
        out.line(depth, name, " ", value);
}

void writePart(BodyWriter& out, int depth, const Part& part, bool scaleBeforeRotation) {
    out.line(depth, "Transform {");
    writeField(out, depth + 1, "translation", part.translation);
    if (scaleBeforeRotation)
        writeField(out, depth + 1, "scale", part.scale);
    writeField(out, depth + 1, "rotation", part.rotation);
    if (!scaleBeforeRotation)
        writeField(out, depth + 1, "scale", part.scale);
    out.line(depth + 1, "children [");
    writeShape(out, depth + 2, part);
    out.line(depth + 1, "]");
    out.line(depth, "}");
}

std::string buildBody(const Model& model) {
    BodyWriter out;
    const bool enclosed = !model.enclosingScale.empty();
    const int depth = enclosed ? 2 : 0;
    if (enclosed) {
        out.line(0, "Transform {");
        out.line(1, "scale ", model.enclosingScale);
        out.line(1, "children [");
        out.line(2, model.enclosingFirstNode);
    }
    for (const Part& part : model.parts)
        writePart(out, depth, part, enclosed);
    if (enclosed) {
        out.line(1, "]");
        out.line(0, "}");
    }
    return out.take();
}

const std::array<std::string, kModelCount>& bodies() {
    static const std::array<std::string, kModelCount> built = [] {
        std::array<std::string, kModelCount> texts;
        for (std::size_t i = 0; i < kModelCount; ++i)
            texts[i] = buildBody(kModels[i]);
        return texts;
    }();
    return built;
}

} // namespace

std::string_view modelBody(std::size_t entry) {
    if (entry >= kModelCount)
        throw Error("There is no model number " + std::to_string(entry) + ".");
    return bodies()[entry];
}

} // namespace norvane
