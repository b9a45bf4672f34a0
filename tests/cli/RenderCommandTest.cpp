#include "NorvaneCli.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

using namespace norvane::test;

namespace {

const std::string kPngSignature = "\x89PNG\r\n\x1a\n";

// Width and height from a PNG file's header chunk (big-endian at bytes 16 and 20).
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& png) {
    const auto word = [&png](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(png.at(at + i));
        return value;
    };
    return {word(16), word(20)};
}

std::string writeScene(const TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.file(name).string();
    norvane::writeFileAtomically(path, text);
    return path;
}

const std::string kTreeScene = crlf({"Tree", " 50", " 50", "0", "", ""});

// The command exists only in builds with the Qt canvas.
class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        const ProcessResult help = runNorvaneCli({});
        if ((help.out + help.err).find("norvane-cli render ") == std::string::npos)
            GTEST_SKIP() << "norvane-cli was built without the Qt canvas";
    }
};

} // namespace

// One PNG of the surface's size per zoom; the same scene gives the same picture, another scene
// another one.
TEST_F(RenderCommand, WritesAPngOfTheSurfaceSizeForEachZoom) {
    TempDir dir;
    const std::string tree = writeScene(dir, "tree.NSC", kTreeScene);
    const std::string house =
        writeScene(dir, "house.NSC", crlf({"House", " 50", " 50", "0", "", ""}));
    const std::vector<std::tuple<std::string, std::vector<std::string>, std::uint32_t>> cases = {
        {tree, {}, 363},
        {tree, {"--zoom", "100"}, 363},
        {tree, {"--zoom", "200"}, 726},
        {tree, {"--zoom=400"}, 1452},
        {house, {}, 363}};
    std::vector<std::string> pictures;
    for (const auto& [scene, options, pixels] : cases) {
        const std::string out = dir.file("map" + std::to_string(pictures.size()) + ".png").string();
        std::vector<std::string> args{"render", scene, out};
        args.insert(args.end(), options.begin(), options.end());
        const ProcessResult run = runNorvaneCli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        pictures.push_back(readFile(out));
        ASSERT_GT(pictures.back().size(), 24u);
        EXPECT_EQ(pictures.back().substr(0, 8), kPngSignature);
        EXPECT_EQ(pngSize(pictures.back()), std::make_pair(pixels, pixels));
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_NE(pictures[0], pictures[4]);
}

// Damaged rows are skipped as in the editor; bad options and unreadable or unwritable files
// fail with one line and write nothing.
TEST_F(RenderCommand, ExitStatusOfEachInput) {
    TempDir dir;
    const std::string scene = writeScene(dir, "tree.NSC", kTreeScene);
    const std::string damaged =
        writeScene(dir, "damaged.NSC",
                   crlf({"Tree", "ten", " 50", "0", "", "", "Wall", "1", "2", "x", "4", ""}));
    const std::string broken = writeScene(dir, "broken.NSC", crlf({"Tree", " 1"}));
    const std::string out = dir.file("m.png").string();
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"render", scene, out, "--zoom", "150"}, 2},
        {{"render", scene, out, "--zoom", "200%"}, 2},
        {{"render", scene, out, "--zoom", ""}, 2},
        {{"render", scene, out, "--scale", "200"}, 2},
        {{"render", scene}, 2},
        {{"render", dir.file("missing.NSC").string(), out}, 2},
        {{"render", scene, dir.file("no/such/folder/m.png").string()}, 2},
        {{"render", broken, out}, 1},
        {{"render", damaged, out}, 0},
    };
    for (const auto& [args, status] : cases) {
        const ProcessResult run = runNorvaneCli(args);
        EXPECT_EQ(run.exitCode, status) << args.back();
        EXPECT_EQ(std::filesystem::exists(out), status == 0) << args.back();
        if (status == 0)
            continue;
        EXPECT_TRUE(run.err.starts_with("norvane-cli: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

// Rows the map cannot draw are named on stderr; the picture is still written.
TEST_F(RenderCommand, NamesTheRowsItDoesNotDrawAndNeverWritesItsInput) {
    TempDir dir;
    const std::string scene =
        writeScene(dir, "odd.NSC",
                   kTreeScene +
                       crlf({"tree", " 1", " 1", "0", "", "", "Tree ", " 1", " 1", "0", "", "",
                             "Tree", "x", " 1", "0", "", ""}) +
                       kTreeScene);
    const std::string png = dir.file("odd.png").string();
    const ProcessResult run = runNorvaneCli({"render", scene, png});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_SAME_TEXT("norvane-cli: render: row 2 (line 7, \"tree\") is not drawn\n"
                     "norvane-cli: render: row 3 (line 13, \"Tree \") is not drawn\n"
                     "norvane-cli: render: row 4 (line 19, \"Tree\") is not drawn\n",
                     run.err);
    EXPECT_EQ(readFile(png).substr(0, 8), kPngSignature);
    EXPECT_EQ(runNorvaneCli({"render", scene, scene}).exitCode, 2);
    EXPECT_EQ(readFile(scene).substr(0, 6), "Tree\r\n");
}
