#include "GoldenFile.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"
#include "scene/Error.h"
#include "scenefile/SceneFile.h"
#include "webpage/WebPageExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace norvane::test;
namespace fs = std::filesystem;

namespace {

norvane::Scene sceneOf(const std::string& name) {
    return norvane::readSceneText(readFile(dataDir() + "/worlds/" + name + "/scene.NSC"));
}

// The names sorted, one per line.
std::string listOf(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names)
        list += name + "\n";
    return list;
}

// Every regular file under `folder`, relative to it.
std::string fileList(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.push_back(entry.path().lexically_relative(folder).generic_string());
    return listOf(names);
}

struct PageCase {
    const char* name; // also names the expected file list and page in tests/data/webpage
    norvane::WebPageRequest request;
    const char* world; // the world file the page shows
};

norvane::WebPageRequest request(std::string pageName, std::string musicPath,
                                std::string dataFolder = NORVANE_PROGRAM_DATA, bool embed = false) {
    norvane::WebPageRequest made;
    made.pageName = std::move(pageName);
    made.musicPath = std::move(musicPath);
    made.dataFolder = std::move(dataFolder);
    made.page.embed = embed;
    return made;
}

std::vector<PageCase> pageCases() {
    PageCase defaults{"defaults", request("index.html", ""), "index.wrl"};
    defaults.request.title = "scene.NSC";
    PageCase night{"night", request("park-1.html", dataDir() + "/webpage/quiet.wav"), "park-1.wrl"};
    night.request.title = "<Park & \"Night\">";
    night.request.world = {"Night Sky", "", "main frame", ""};
    night.request.page = {"A park at <night>", true, 16, 9, false, "wrl"};
    night.request.poster = "a PNG";
    return {defaults, night};
}

} // namespace

// The folder holds exactly the expected files: the page, the world as buildWorld writes it, and
// copies of the textures, the music and X_ITE. A file of the user's is left alone; stale copies
// are replaced.
TEST(WebPageExport, WritesThePageTheWorldAndTheFilesItNeeds) {
    const norvane::Scene scene = sceneOf("every-kind-anchored");
    for (PageCase c : pageCases()) {
        TempDir dir;
        c.request.folder = (dir.path() / "site").string();
        fs::create_directories(dir.path() / "site" / "x_ite");
        norvane::writeFileAtomically(c.request.folder + "/notes.txt", "mine");
        norvane::writeFileAtomically(c.request.folder + "/x_ite/x_ite.css", "stale");
        std::vector<std::string> written = norvane::exportWebPage(scene, c.request);
        written.push_back("notes.txt");

        const std::string expected = dataDir() + "/webpage/" + c.name;
        EXPECT_SAME_TEXT(goldenText(expected + ".files", fileList(c.request.folder)),
                         fileList(c.request.folder));
        EXPECT_SAME_TEXT(listOf(written), fileList(c.request.folder));
        EXPECT_SAME_TEXT(
            goldenText(expected + ".html", readFile(c.request.folder + "/" + c.request.pageName)),
            readFile(c.request.folder + "/" + c.request.pageName));
        if (c.request.page.embed) {
            const std::string embed = readFile(c.request.folder + "/embed.html");
            EXPECT_SAME_TEXT(goldenText(expected + ".embed.html", embed), embed);
        }
        norvane::WorldOptions options = c.request.world;
        options.musicFile = c.request.musicPath.empty() ? "" : "quiet.wav";
        EXPECT_SAME_TEXT(norvane::buildWorld(scene, options),
                         readFile(c.request.folder + "/" + c.world));
        EXPECT_EQ(readFile(c.request.folder + "/notes.txt"), "mine");
        EXPECT_EQ(fs::exists(c.request.folder + "/poster.png"), !c.request.poster.empty());
        for (const char* copy : {"source3.jpg", "x_ite/x_ite.css", "x_ite/x_ite.min.js"})
            EXPECT_EQ(readFile(c.request.folder + "/" + copy),
                      readFile(std::string(NORVANE_PROGRAM_DATA) + "/" + copy))
                << copy;
    }
}

// A request that cannot be met throws one line and writes nothing at all.
TEST(WebPageExport, RefusedRequestsWriteNothing) {
    struct Refusal {
        norvane::WebPageRequest request;
        std::string reason;
    };
    const std::string data = NORVANE_PROGRAM_DATA;
    const std::string music = dataDir() + "/webpage/quiet.wav";
    const std::string plain = "\" is not a plain file name ending in .html";
    const std::vector<Refusal> refusals = {
        {request("../up.html", ""), "The page name \"../up.html" + plain},
        {request("my page.htm", ""), "The page name \"my page.htm" + plain},
        {request("index.html", "/no/such.wav"),
         "Cannot read /no/such.wav: No such file or directory"},
        {request("index.html", data + "/source2.jpg"),
         "The music file \"source2.jpg\" cannot lie beside the page: the page needs that name"},
        {request("embed.html", "", NORVANE_PROGRAM_DATA, true),
         "The page cannot be called embed.html: the snippet takes that name"},
        {request("index.html", music, "/no/data"),
         "Cannot read /no/data/source1.jpg: No such file or directory"},
    };
    TempDir dir;
    for (const Refusal& refusal : refusals) {
        norvane::WebPageRequest request = refusal.request;
        request.folder = (dir.path() / "site").string();
        try {
            norvane::exportWebPage({}, request);
            ADD_FAILURE() << refusal.reason;
        } catch (const norvane::Error& error) {
            EXPECT_EQ(error.what(), refusal.reason);
        }
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}
