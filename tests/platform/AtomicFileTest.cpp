#include "platform/AtomicFile.h"
#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using norvane::readWholeFile;
using norvane::writeFileAtomically;
using norvane::test::TempDir;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const norvane::Error& error) {
        return error.what();
    }
    return "(no error)";
}

// Lowers the largest file this process may write, so that writes past it fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

} // namespace

TEST(AtomicFile, WritesAndReadsBytesUnchanged) {
    // Each replaces the one before, longer ones by shorter ones too.
    const std::vector<std::string> cases = {
        std::string(300000, '\r') + "tail",
        "line\r\nnext\r\n",
        "",
        "lf only\nlast without end",
        std::string("nul\0inside\0", 11),
        "\xff\xfe\x80 high bytes \r\r\n",
    };
    TempDir dir;
    for (const std::string& bytes : cases) {
        const std::string path = dir.file("out.bin").string();
        writeFileAtomically(path, bytes);
        EXPECT_EQ(fs::file_size(path), bytes.size());
        EXPECT_SAME_TEXT(bytes, readWholeFile(path));
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"out.bin"});
}

TEST(AtomicFile, FailedWriteKeepsOldContentAndLeavesNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("world.wrl").string();
    writeFileAtomically(path, "old content\r\n");
    {
        FileSizeLimit limit(100);
        EXPECT_THROW(writeFileAtomically(path, std::string(5000, 'n')), norvane::Error);
    }
    EXPECT_SAME_TEXT("old content\r\n", readWholeFile(path));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"world.wrl"});
}

TEST(AtomicFile, TargetThatIsAFolderIsLeftAlone) {
    TempDir dir;
    const fs::path folder = dir.file("taken");
    fs::create_directory(folder);
    writeFileAtomically((folder / "inside.txt").string(), "kept");
    EXPECT_EQ(messageOf([&] { writeFileAtomically(folder.string(), "x"); }),
              "Cannot write " + folder.string() + ": Is a directory");
    EXPECT_EQ(readWholeFile((folder / "inside.txt").string()), "kept");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"taken"});
}

TEST(AtomicFile, FailuresNameThePathAndReason) {
    TempDir dir;
    const std::string missing = dir.file("no-such-folder").string() + "/out.wrl";
    EXPECT_EQ(messageOf([&] { writeFileAtomically(missing, "x"); }),
              "Cannot write " + missing + ": No such file or directory");
    EXPECT_EQ(messageOf([&] { readWholeFile(missing); }),
              "Cannot read " + missing + ": No such file or directory");
    EXPECT_EQ(messageOf([&] { readWholeFile(dir.path().string()); }),
              "Cannot read " + dir.path().string() + ": Is a directory");
    EXPECT_TRUE(namesIn(dir.path()).empty());
}

TEST(AtomicFile, ReplacementKeepsThePermissionsOfTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("shared.NSC").string();
    writeFileAtomically(path, "one");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomically(path, "two");
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// The temporary beside it must not need a longer name than the target's.
TEST(AtomicFile, TargetWithTheLongestFileNameIsWritten) {
    TempDir dir;
    const std::string name = std::string(251, 'w') + ".wrl";
    writeFileAtomically(dir.file(name).string(), "world");
    EXPECT_EQ(readWholeFile(dir.file(name).string()), "world");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{name});
}

TEST(AtomicFile, RelativePathIsWrittenInTheCurrentFolder) {
    TempDir dir;
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    writeFileAtomically("plain.txt", "here");
    fs::current_path(before);
    EXPECT_EQ(readWholeFile(dir.file("plain.txt").string()), "here");
}

TEST(AtomicFile, WritingThroughASymbolicLinkKeepsTheLink) {
    TempDir dir;
    const fs::path real = dir.file("real.NSC");
    const fs::path link = dir.file("link.NSC");
    writeFileAtomically(real.string(), "old");
    fs::create_symlink(real, link);
    writeFileAtomically(link.string(), "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readWholeFile(real.string()), "new");
}
