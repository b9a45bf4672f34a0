// Worlds we write must be read by a real VRML reader, tovrmlx3d, without any warning.

#include "ProcessRun.h"
#include "scene/Catalogue.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;
using norvane::test::worldReadsWithoutWarnings;

namespace {

// Every catalogue kind twice (so furnished kinds are defined and then reused), every object
// anchored; URLs and texts carry quotes and backslashes.
Scene everyKindAnchored() {
    Scene scene;
    for (int copy = 0; copy < 2; ++copy) {
        for (const KindInfo& kind : kCatalogue) {
            const std::string name(kind.name);
            const std::string url = "page \"" + name + "\"\\" + std::to_string(copy) + ".html";
            if (kind.shape == Shape::Area)
                scene.append({name, "10", "20.5", "30.25", "40", url});
            else
                scene.append({name, " 33.5", " .25", copy ? "3.14" : "-1.57", url,
                              kind.isText ? R"(say "hi" \o/)" : ""});
        }
    }
    scene.append({"Unknown kind", " 1", " 2", "1.57", "", ""});
    return scene;
}

} // namespace

TEST(VrmlReader, ExportAndPreviewOfEveryKind) {
    const Scene scene = everyKindAnchored();
    EXPECT_TRUE(worldReadsWithoutWarnings(
        buildWorld(scene, {"Night Sky", R"(my "song"\1.wav)", R"(main "frame")"})));
    EXPECT_TRUE(worldReadsWithoutWarnings(buildPreviewWorld(scene)));
}

TEST(VrmlReader, EverySkyAndAnEmptyScene) {
    for (const char* sky : {"Blue Sky", "Night Sky", "Black", "White"})
        EXPECT_TRUE(worldReadsWithoutWarnings(buildWorld(Scene{}, {sky, "", ""}))) << sky;
}

// The largest coordinates a scene can hold still give numbers, never "inf".
TEST(VrmlReader, CoordinatesAtTheEndsOfTheRange) {
    const std::string most = "3.4028234e38", least = "-3.4028234e38";
    Scene scene;
    for (const KindInfo& kind : kCatalogue) {
        const std::string name(kind.name);
        if (kind.shape == Shape::Area)
            scene.append({name, least, least, most, most, ""});
        else
            scene.append({name, " " + most, least, "0", "", kind.isText ? "x" : ""});
    }
    const std::string world = buildPreviewWorld(scene);
    EXPECT_EQ(world.find("inf"), std::string::npos);
    EXPECT_TRUE(worldReadsWithoutWarnings(world));
}

// The checks above are only worth something if the reader complains about a broken string.
TEST(VrmlReader, ComplainsAboutAnUnescapedQuote) {
    EXPECT_FALSE(worldReadsWithoutWarnings(
        "#VRML V2.0 utf8\r\nAnchor {\r\nurl \"a\"b\"\r\nchildren [ ]\r\n}\r\n"));
}
