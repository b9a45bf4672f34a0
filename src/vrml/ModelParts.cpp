#include "ModelParts.h"

#include "scene/Error.h"

#include <array>
#include <string>

namespace norvane {
namespace {

namespace geo {
constexpr Geometry box(std::string_view size) {
    return {.primitive = Primitive::Box, .size = size};
}
constexpr Geometry cone(std::string_view radius, std::string_view height,
                        ConeSurfaces surfaces = ConeSurfaces::Both) {
    return {.primitive = Primitive::Cone, .radius = radius, .height = height, .surfaces = surfaces};
}
constexpr Geometry cylinder(std::string_view radius, std::string_view height) {
    return {.primitive = Primitive::Cylinder, .radius = radius, .height = height};
}
constexpr Geometry sphere(std::string_view radius) {
    return {.primitive = Primitive::Sphere, .radius = radius};
}
constexpr Geometry faceSet(std::string_view points, std::string_view faces) {
    return {.primitive = Primitive::FaceSet, .points = points, .faces = faces};
}
constexpr Geometry extrusion(std::string_view crossSection, std::string_view scales,
                             std::string_view spine) {
    return {.primitive = Primitive::Extrusion,
            .crossSection = crossSection,
            .scales = scales,
            .spine = spine};
}
constexpr Geometry text(std::string_view string, std::string_view fontSize) {
    return {.primitive = Primitive::Text, .text = string, .fontSize = fontSize};
}
} // namespace geo

constexpr std::string_view kLeaves = "source1.jpg";
constexpr std::string_view kWood = "source5.jpg";
constexpr TextureTransform kTurned{true, "1.57"};
constexpr std::string_view kOnSide = "0 0 1 1.57";

constexpr Look kGrey{"0.7 0.7 0.7"};
constexpr Look kWhite{"1 1 1"};
constexpr Look kBlack{"0 0 0"};
constexpr Look kBlue{"0 0 1"};
constexpr Look kBrown{"0.25 0.1 0"};
constexpr Look kPlainWood{{}, kWood};
constexpr Look kTurnedWood{{}, kWood, kTurned};
constexpr Look kUprightWood{{}, kWood, {true, "0"}};
constexpr Look kReversedWood{{}, kWood, {true, "3.14"}};

constexpr ModelPart kTree[] = {
    {"0 3 0", geo::cone("0.5", "4"), {"0 0.7 0", kLeaves}},
    {"0 0.5 0", geo::cylinder("0.125", "1"), {"0.7 0.3 0", kWood, kTurned}},
};

constexpr ModelPart kLightPost[] = {
    {"",
     geo::extrusion("-0.1 0, 0 0.1, 0.1 0, 0 -0.1", "1 1, 1 1, 1 1, 1 1, 1 1, 1 1, 1 1",
                    "0 0 0, 0 1 0, 0 2 0, 0 3 0, 0 3.25 0.5, 0 3 1, 0 2.75 1"),
     kGrey},
    {"0 2.75 1", geo::cone("0.3", "0.3", ConeSurfaces::SideOnly), kGrey},
    {"0 2.75 1", geo::cone("0.3", "0.3", ConeSurfaces::BottomOnly), {"1 1 0"}},
};

constexpr ModelPart kOfficeBR[] = {
    {"0 8 0", geo::box("10 16 10"), {"0.7 0.7 0.7", "source3.jpg", {true, {}, "10 16"}}},
    {"0 16.05 0", geo::box("10 0.1 10"), kGrey},
};

constexpr ModelPart kFountain[] = {
    {"0 0.1 0", geo::cylinder("1", "0.2"), {"0.5 0.5 0.5"}},
    {"0 0.205 0", geo::cylinder("0.9", "0.01"), {"0 0 1", "source4.jpg"}},
};

constexpr Geometry kPane = geo::box("0.5 0.5 0.02");
constexpr ModelPart kHouse[] = {
    {"0 1.5 0", geo::box("3 3 3"), {"1 0 0", "source2.jpg", {true, {}, "20 20"}}},
    {"",
     geo::faceSet("-1.5 3 1.5, 1.5 3 1.5, 0 5 1.5, -1.5 3 -1.5, 1.5 3 -1.5, 0 5 -1.5",
                  "0 1 2 -1, 3 4 5 -1, 0 2 5 3 -1, 1 2 5 4 -1"),
     kBrown,
     {},
     {},
     true},
    {"0 0.5 1.51", geo::box("0.5 1 0.05"), kBrown},
    {"-1 2 1.521", kPane, kBlue},
    {"1 2 1.525", kPane, kBlue},
    {"-1 0.5 1.521", kPane, kBlue},
    {"1 0.5 1.525", kPane, kBlue},
};

constexpr ModelPart kOfficeBC[] = {
    {"0 8 0", geo::cylinder("5", "16"), {"0.7 0.7 0.7", "source3.jpg", {true, {}, "32 16"}}},
    {"0 16.05 0", geo::cylinder("5", "0.1"), kGrey},
};

constexpr ModelPart kSpeedLimit[] = {
    {"0 0.5 0", geo::cylinder("0.05", "1"), kGrey},
    {"0 1.2 0", geo::box("0.4 0.4 0.1"), kWhite},
    {"0 1.15 0.057", geo::text("55", "0.3"), kBlack},
    {"0 1.05 0.057", geo::text("MPH", "0.1"), kBlack},
};

// The two cars differ only in the colour of the body box.
constexpr std::array<ModelPart, 10> carParts(std::string_view bodyColour) {
    constexpr Geometry wheel = geo::cylinder("0.1", "0.05");
    constexpr Geometry lamp = geo::box("0.1 0.1 0.01");
    constexpr Geometry strip = geo::box("0.4 0.1 0.01");
    constexpr Look tyre{"0.3 0.3 0.3"};
    return {{
        {"0 0.17 0", geo::box("0.6 0.20 1.5"), {bodyColour}},
        {"",
         geo::faceSet("0.3 0.27 -0.50, 0.3 0.27 0.25, 0.25 0.47 0, 0.25 0.47 -0.25, "
                      "-0.3 0.27 -0.50, -0.3 0.27 0.25, -0.25 0.47 0, -0.25 0.47 -0.25",
                      "0 1 2 3 -1, 0 4 7 3 -1, 4 5 6 7 -1, 1 2 6 5 -1, 3 2 6 7 -1, 0 1 5 4 -1"),
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
constexpr std::array<ModelPart, 10> kRedCar = carParts("1 0 0");
constexpr std::array<ModelPart, 10> kBlueCar = carParts("0 0 1");

constexpr Geometry kBenchLeg = geo::cylinder("0.01", "0.2");
constexpr ModelPart kBench[] = {
    {"0 0.2 0", geo::box("0.8 0.01 0.2"), kPlainWood},
    {"0 0.3 -0.1", geo::box("0.8 0.2 0.01"), kPlainWood},
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
constexpr Geometry kLeg = geo::cylinder("0.25", "5");
constexpr Geometry kShoe = geo::box("0.5 0.5 1");
constexpr Geometry kArm = geo::cylinder("0.2", "3.5");
constexpr Geometry kHand = geo::cylinder("0.17", "0.4");
constexpr Geometry kBall = geo::sphere("0.1");
constexpr Geometry kPupil = geo::sphere("0.025");
constexpr Geometry kLip = geo::sphere("0.04");
constexpr ModelPart kMan[] = {
    {"-0.5 0.25 0.25", kShoe, kBlack},
    {"-0.5 3 0", kLeg, kBlue},
    {"0.5 0.25 0.25", kShoe, kBlack},
    {"0.5 3 0", kLeg, kBlue},
    {"0 5.575 0", geo::cylinder("0.5", "1.5"), kBlue, kOnSide, "1 1 0.7"},
    {"0 7.825 0", geo::cylinder("0.9", "3.5"), kShirt, {}, "1 1 0.4"},
    {"0 9.35 0", geo::cylinder("0.2", "2.7"), kShirt, kOnSide, "1 1 1"},
    {"1.15 7.625 0", kArm, kShirt, {}, "1 1 1"},
    {"1.15 5.675 0", kHand, kSkin, {}, "1 1 0.5"},
    {"-1.15 7.625 0", kArm, kShirt, {}, "1 1 1"},
    {"-1.15 5.675 0", kHand, kSkin, {}, "1 1 0.5"},
    {"0 9.7 0", geo::cylinder("0.25", "0.2"), kSkin, {}, "1 1 1"},
    {"0 10.3 0", geo::sphere("0.7"), kSkin, {}, "0.8 1 0.8"},
    {"-0.3 10.5 0.4", kBall, kIris, {}, "1 0.6 1"},
    {"-0.3 10.5 0.5", kPupil, kBlack, {}, "1 0.6 1"},
    {"0.3 10.5 0.4", kBall, kIris, {}, "1 0.6 1"},
    {"0.3 10.5 0.5", kPupil, kBlack, {}, "1 0.6 1"},
    {"0 10.3 0.5", kBall, kSkin, {}, "1 2 1"},
    {"0 9.9 0.433", kLip, kLips, {}, "5 1 1"},
    {"0 9.86 0.4", kLip, kLips, {}, "4.7 1 1"},
    {"0 10.827 0", geo::cylinder("0.5", "0.35"), {"0.3 0.2 0"}, {}, "1 1 1"},
    {"0.5 10.3 0", kBall, kSkin, {}, "1.2 1.2 0.5"},
    {"-0.5 10.3 0", kBall, kSkin, {}, "1.2 1.2 0.5"},
};

constexpr Geometry kJamb = geo::box("0.05 0.8 0.05");
constexpr ModelPart kDoor[] = {
    {"0 0.4 0", geo::box("0.3 0.8 0.02"), {{}, kWood, {true, "1.57", "1 2"}}},
    {"0.12 0.4 0.02", geo::sphere("0.02"), {"1 0.8 0"}},
    {"0.175 0.4 0", kJamb, kWhite},
    {"-0.175 0.4 0", kJamb, kWhite},
    {"0 0.825 0", geo::box("0.4 0.05 0.05"), kWhite},
};

constexpr ModelPart kArrow[] = {
    {"0 0.35 0", geo::cylinder("0.05", "0.7"), kGrey},
    {"0 0.75 -0.1", geo::box("0.1 0.1 0.5"), kWhite},
    {"",
     geo::faceSet("0.05 0.9 0.15, 0.05 0.6 0.15, 0.05 0.75 0.35, -0.05 0.9 0.15, "
                  "-0.05 0.6 0.15, -0.05 0.75 0.35",
                  "0 1 2 -1, 3 4 5 -1, 1 2 5 4 -1, 0 3 5 2 -1, 0 1 4 3 -1"),
     kWhite},
};

constexpr Geometry kChairLeg = geo::cylinder("0.01", "0.2");
constexpr ModelPart kChair[] = {
    {"0 0.2 0", geo::box("0.2 0.01 0.2"), kTurnedWood},
    {"0 0.35 -0.1", geo::box("0.2 0.3 0.01"), kTurnedWood},
    {"0.09 0.1 0.08", kChairLeg, kTurnedWood},
    {"-0.09 0.1 0.08", kChairLeg, kTurnedWood},
    {"0.09 0.1 -0.08", kChairLeg, kTurnedWood},
    {"-0.09 0.1 -0.08", kChairLeg, kTurnedWood},
};

constexpr ModelPart kTableR[] = {
    {"0 0.145 0", geo::cylinder("0.03", "0.29"), kTurnedWood},
    {"0 0.29 0", geo::cylinder("0.4", "0.03"), kTurnedWood},
    {"0 0.025 0", geo::cylinder("0.1", "0.05"), kTurnedWood},
};

constexpr Geometry kTableLeg = geo::box("0.02 0.29 0.02");
constexpr ModelPart kTableS[] = {
    {"-0.38 0.145 0.38", kTableLeg, kTurnedWood},
    {"0.38 0.145 0.38", kTableLeg, kTurnedWood},
    {"-0.38 0.145 -0.38", kTableLeg, kTurnedWood},
    {"0.38 0.145 -0.38", kTableLeg, kTurnedWood},
    {"0 0.305 0", geo::box("0.8 0.03 0.8"), kPlainWood},
};

constexpr Geometry kPedestal = geo::box("0.15 0.3 0.29");
constexpr ModelPart kDesk[] = {
    {"0 0.15 0.15", geo::box("0.6 0.3 0.01"), kPlainWood},
    {"-0.225 0.15 0", kPedestal, kPlainWood},
    {"0.225 0.15 0", kPedestal, kPlainWood},
    {"0 0.3 0", geo::box("0.63 0.02 0.32"), {{}, kWood, {true}}},
    {"0 0.15 0.1505", geo::box("0.5 0.2 0.02"), kReversedWood},
};

constexpr Look kFoliage{"0.2 0.2 0", kLeaves, {true, "1.57", "4 4"}};
constexpr ModelPart kPlant[] = {
    {"0 0.025 0", geo::cylinder("0.1", "0.05"), {"0.2 0.2 0"}},
    {"0 0.275 0", geo::cylinder("0.02", "0.5"), {"0.2 0.2 0", kWood, kTurned}},
    {"0 0.37 0", kBall, kFoliage, {}, "3 1 3"},
    {"0 0.5 0", kBall, kFoliage, {}, "2.5 1 2.5"},
    {"0 0.63 0", kBall, kFoliage, {}, "2 1 2"},
};

constexpr Geometry kSide = geo::box("0.02 0.4 0.3");
constexpr Geometry kBoard = geo::box("0.66 0.02 0.3");
constexpr ModelPart kShelf[] = {
    {"0 0.15 0", geo::box("0.7 0.3 0.3"), kUprightWood},
    {"0.34 0.5 0", kSide, kTurnedWood},
    {"-0.34 0.5 0", kSide, kTurnedWood},
    {"0 0.69 0", kBoard, kUprightWood},
    {"0 0.49 0", kBoard, kUprightWood},
    {"0 0.49 -0.14", geo::box("0.66 0.38 0.02"), kUprightWood},
    {"0 0.15 0.15", geo::box("0.6 0.25 0.02"), kReversedWood},
};

constexpr ModelPart kTV[] = {
    {"0 0.1 0", geo::box("0.25 0.2 0.2"), kPlainWood},
    {"0 0.1 0.1", geo::box("0.2 0.15 0.02"), kReversedWood},
    {"0 0.35 0", geo::box("0.3 0.3 0.24"), {"0.1 0.1 0.1"}},
    {"0 0.36 0.125", geo::box("0.26 0.22 0.01"), {"0.2 0.2 0.2"}},
    {"0 0.23 0.125", geo::box("0.2 0.03 0.01"), {"0.3 0.3 0.3"}},
    {"0.08 0.23 0.13", geo::box("0.01 0.01 0.01"), {"0.1 1 0.1"}},
    {"0 0.48 0", geo::sphere("0.06"), {"0.1 0.1 0.1"}},
};

constexpr Look kTin{"0.9 0.9 0.9"};
constexpr Look kFlag{"1 0.1 0.1"};
constexpr Geometry kLid = geo::box("0.1 0.01 0.3");
constexpr Geometry kWall = geo::box("0.01 0.09 0.3");
constexpr ModelPart kMailbox[] = {
    {"0 0.2 0", geo::cylinder("0.03", "0.4"), kTurnedWood},
    {"0 0.405 0", kLid, kTin},
    {"0 0.505 0", kLid, kTin},
    {"0.045 0.455 0", kWall, kTin},
    {"-0.045 0.455 0", kWall, kTin},
    {"0 0.455 -0.155", geo::box("0.1 0.11 0.01"), kTin},
    {"-0.0525 0.5 0.05", geo::box("0.005 0.1 0.03"), kFlag},
    {"-0.0525 0.535 0.02", geo::box("0.005 0.03 0.03"), kFlag},
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

} // namespace

const Model& modelData(std::size_t entry) {
    if (entry >= kModelCount)
        throw Error("There is no model number " + std::to_string(entry) + ".");
    return kModels[entry];
}

} // namespace norvane
