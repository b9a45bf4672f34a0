// Worlds we write must be read by a real VRML reader, tovrmlx3d, without any warning.

#include "TempDir.h"
#include "scene/Catalogue.h"
#include "vrml/WorldWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

using namespace norvane;

namespace {

struct ReaderRun {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

ReaderRun readWithTovrmlx3d(const std::string& worldText) {
    test::TempDir dir;
    const auto path = dir.file("world.wrl");
    std::ofstream(path, std::ios::binary) << worldText;
    ReaderRun run;
    FILE* pipe = ::popen(("tovrmlx3d '" + path.string() + "' 2>&1").c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Lines of the reader's output that report a problem.
std::string warningLines(const std::string& output) {
    std::string warnings;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        end = end == std::string::npos ? output.size() : end + 1;
        const std::string line = output.substr(start, end - start);
        if (line.find("Warning") != std::string::npos)
            warnings += line;
        start = end;
    }
    return warnings;
}

void expectReadCleanly(const std::string& worldText) {
    const ReaderRun run = readWithTovrmlx3d(worldText);
    ASSERT_NE(run.exitCode, 127) << "tovrmlx3d is not installed: " << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(warningLines(run.output), "");
}

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

TEST(VrmlReader, ExportOfEveryKindWithTargetFrameAndMusic) {
    expectReadCleanly(
        buildWorld(everyKindAnchored(), {"Night Sky", R"(my "song"\1.wav)", R"(main "frame")"}));
}

TEST(VrmlReader, PreviewOfEveryKind) {
    expectReadCleanly(buildPreviewWorld(everyKindAnchored()));
}

TEST(VrmlReader, EverySkyAndAnEmptyScene) {
    for (const char* sky : {"Blue Sky", "Night Sky", "Black", "White"})
        expectReadCleanly(buildWorld(Scene{}, {sky, "", ""}));
}

// The check above is only worth something if the reader complains about a broken string.
TEST(VrmlReader, ComplainsAboutAnUnescapedQuote) {
    const ReaderRun run =
        readWithTovrmlx3d("#VRML V2.0 utf8\r\nAnchor {\r\nurl \"a\"b\"\r\nchildren [ ]\r\n}\r\n");
    ASSERT_NE(run.exitCode, 127) << "tovrmlx3d is not installed: " << run.output;
    EXPECT_NE(warningLines(run.output), "");
}
