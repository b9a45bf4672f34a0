#include "vrml/ObjectWriter.h"
#include "TextDiff.h"
#include "scene/Error.h"
#include "vrml/ObjectBlocks.h"
#include "vrml/ObjectNodeWriter.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

using namespace norvane;

// Each line of refused-rows.txt is a row (six fields) and why the export and the preview refuse
// it after a good row: the reason names row 2, its line and its column.
TEST(ExportVRML, RefusesADamagedRowNamingRowLineAndColumn) {
    EXPECT_TRUE(test::sameTable("refused-rows.txt", [](const std::vector<std::string>& f) {
        Scene scene;
        scene.append({"Tree", " 20", " 30", "0", "home.wrl", ""});
        scene.append({f[0], f[1], f[2], f[3], f[4], f[5]});
        const std::string reason = test::errorOf([&] { ExportVRML(scene, ""); });
        const std::string preview = test::errorOf([&] { buildPreviewWorld(scene); });
        return f[0] + "|" + f[1] + "|" + f[2] + "|" + f[3] + "|" + f[4] + "|" + f[5] + "|" +
               reason + (preview == reason ? "" : "|preview: " + preview);
    }));
}

namespace {

// What one writer makes of every row at once, or why it refuses them.
std::string oneWriter(const Scene& scene) {
    std::string text;
    ObjectNodeWriter writer(text, "parameter [\"target=f\"]\r\n");
    try {
        writer.writeRows(scene.rows(), 0, scene.count());
    } catch (const Error& error) {
        return error.what();
    }
    return text;
}

std::string inBlocks(const Scene& scene) {
    std::string text;
    try {
        writeObjectNodes(scene, "parameter [\"target=f\"]\r\n",
                         [&text](std::string_view bytes) { text += bytes; });
    } catch (const Error& error) {
        return error.what();
    }
    return text;
}

} // namespace

// A big scene is written in blocks on two threads: a model first used in a later block than the
// one that defined it is reused there, and the first refused row is the one reported.
TEST(ExportVRML, BlocksOfABigSceneJoinAsOneWriterWritesThem) {
    Scene scene;
    for (int row = 0; row < 20'000; ++row)
        scene.append({"Wall", "1", "2", "3", std::to_string(row % 90), row % 7 ? "" : "a.wrl"});
    const std::pair<int, SceneObject> furnished[] = {
        {10, {"Tree", " 1", " 2", "0", "", ""}},
        {5000, {"Tree", " 3", " 4", "0", "x", ""}},
        {9000, {"Bench", " 5", " 6", "0", "", ""}},
        {13000, {"Bench", " 7", " 8", "0", "", ""}},
        {17000, {"Text (Big)", " 9", " 1", "0", "", "Hi"}}};
    for (const auto& [row, object] : furnished)
        scene.replace(static_cast<std::size_t>(row), object);
    EXPECT_SAME_TEXT(oneWriter(scene), inBlocks(scene));
    scene.replace(15000, {"Wall", "1", "2", "3", "y", ""});
    scene.replace(9001, {"Tree", "x", " 2", "0", "", ""});
    EXPECT_EQ(inBlocks(scene), "Row 9002 (line 54008), column List3 (X) is not a number.");
    EXPECT_EQ(oneWriter(scene), inBlocks(scene));
}
