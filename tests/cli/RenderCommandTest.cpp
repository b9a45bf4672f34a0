#include "ProcessRun.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
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

TEST_F(RenderCommand, WritesAPngOfTheSurfaceSizeForEachZoom) {
    TempDir dir;
    const std::string scene = writeScene(dir, "tree.NSC", kTreeScene);
    const std::vector<std::pair<std::vector<std::string>, std::uint32_t>> cases = {
        {{}, 363}, {{"--zoom", "100"}, 363}, {{"--zoom", "200"}, 726}, {{"--zoom=400"}, 1452}};
    for (const auto& [options, pixels] : cases) {
        const std::string out = dir.file("map.png").string();
        std::vector<std::string> args{"render", scene, out};
        args.insert(args.end(), options.begin(), options.end());
        const ProcessResult run = runNorvaneCli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");
        const std::string png = readFile(out);
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), kPngSignature);
        EXPECT_EQ(pngSize(png), std::make_pair(pixels, pixels));
    }
}

TEST_F(RenderCommand, PictureDependsOnlyOnTheScene) {
    TempDir dir;
    const std::string tree = writeScene(dir, "tree.NSC", kTreeScene);
    const std::string same = writeScene(dir, "same.NSC", kTreeScene);
    const std::string house =
        writeScene(dir, "house.NSC", crlf({"House", " 50", " 50", "0", "", ""}));
    std::vector<std::string> pictures;
    for (const std::string& scene : {tree, same, house}) {
        const std::string out = dir.file("out" + std::to_string(pictures.size()) + ".png").string();
        ASSERT_EQ(runNorvaneCli({"render", scene, out}).exitCode, 0);
        pictures.push_back(readFile(out));
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_NE(pictures[0], pictures[2]);
}

TEST_F(RenderCommand, DamagedRowsAreSkipped) {
    TempDir dir;
    const std::string scene =
        writeScene(dir, "damaged.NSC",
                   crlf({"Tree", "ten", " 50", "0", "", "", "Wall", "1", "2", "x", "4", ""}));
    const ProcessResult run = runNorvaneCli({"render", scene, dir.file("m.png").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(RenderCommand, RefusesBadInput) {
    TempDir dir;
    const std::string scene = writeScene(dir, "tree.NSC", kTreeScene);
    const std::string broken = writeScene(dir, "broken.NSC", crlf({"Tree", " 1"}));
    const std::string out = dir.file("never.png").string();
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"render", scene, out, "--zoom", "150"}, 2},
        {{"render", scene, out, "--zoom", "200%"}, 2},
        {{"render", scene, out, "--zoom", ""}, 2},
        {{"render", scene, out, "--scale", "200"}, 2},
        {{"render", scene}, 2},
        {{"render", dir.file("missing.NSC").string(), out}, 2},
        {{"render", broken, out}, 1},
    };
    for (const auto& [args, status] : cases) {
        const ProcessResult run = runNorvaneCli(args);
        EXPECT_EQ(run.exitCode, status) << args.back();
        EXPECT_TRUE(run.err.starts_with("norvane-cli: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_F(RenderCommand, UnwritableOutputFails) {
    TempDir dir;
    const std::string scene = writeScene(dir, "tree.NSC", kTreeScene);
    const ProcessResult run =
        runNorvaneCli({"render", scene, dir.file("no/such/folder/m.png").string()});
    EXPECT_EQ(run.exitCode, 2);
}
