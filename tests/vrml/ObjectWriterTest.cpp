#include "vrml/ObjectWriter.h"
#include "TextDiff.h"
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
