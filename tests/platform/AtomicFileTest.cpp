#include "platform/AtomicFile.h"
#include "platform/SystemCalls.h"
#include "platform/WritePermission.h"
#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <cerrno>
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

// Makes one step of every write fail, as `breakStep` says, until the end of the scope.
class FailingStep {
public:
    explicit FailingStep(void (*breakStep)(norvane::SystemCalls&)) {
        breakStep(norvane::systemCalls());
    }
    ~FailingStep() { norvane::systemCalls() = norvane::realSystemCalls(); }
};

struct StepFailure {
    const char* step;
    void (*breakStep)(norvane::SystemCalls&);
    const char* reason;
};

const StepFailure kStepFailures[] = {
    {"create",
     [](norvane::SystemCalls& c) {
         c.open = [](const char*, int, mode_t) { return errno = EACCES, -1; };
     },
     "Permission denied"},
    {"write",
     [](norvane::SystemCalls& c) {
         c.write = [](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
     },
     "No space left on device"},
    {"fsync", [](norvane::SystemCalls& c) { c.fsync = [](int) { return errno = EIO, -1; }; },
     "Input/output error"},
    {"rename",
     [](norvane::SystemCalls& c) {
         c.rename = [](const char*, const char*) { return errno = EXDEV, -1; };
     },
     "Invalid cross-device link"},
};

} // namespace

TEST(AtomicFile, FailureAtEachStepKeepsTheOldFileAndNamesPathAndReason) {
    TempDir dir;
    const std::string path = dir.file("world.wrl").string();
    writeFileAtomically(path, "old");
    for (const StepFailure& failure : kStepFailures) {
        FailingStep failing(failure.breakStep);
        EXPECT_EQ(messageOf([&] { writeFileAtomically(path, "new content"); }),
                  "Cannot write " + path + ": " + failure.reason)
            << failure.step;
        EXPECT_EQ(readWholeFile(path), "old") << failure.step;
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"world.wrl"}) << failure.step;
    }
}

TEST(AtomicFile, ControlCharactersInThePathAreShownEscaped) {
    TempDir dir;
    const std::string folder = dir.file("a\nb\x01").string();
    EXPECT_EQ(messageOf([&] { writeFileAtomically(folder + "/out.wrl", "x"); }),
              "Cannot write " + dir.path().string() +
                  "/a\\nb\\x01/out.wrl: No such file or directory");
}

TEST(AtomicFile, DevicesAreWrittenToAndNeverReplaced) {
    EXPECT_NO_THROW(writeFileAtomically("/dev/null", "world"));
    EXPECT_EQ(messageOf([] { writeFileAtomically("/dev/full", "world"); }),
              "Cannot write /dev/full: No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(AtomicFile, WritePermissionFollowsTheModeBitsForEveryUserIncludingRoot) {
    struct Case {
        mode_t mode;
        uid_t owner;
        gid_t group;
        norvane::User user;
        bool writable;
    };
    const std::vector<Case> cases = {
        {0644, 10, 20, {10, {30}}, true},  {0444, 10, 20, {10, {20}}, false},
        {0464, 10, 20, {10, {20}}, false}, {0464, 11, 20, {10, {30, 20}}, true},
        {0646, 11, 20, {10, {20}}, false}, {0446, 11, 21, {10, {20}}, true},
        {0444, 0, 0, {0, {0}}, false},     {0644, 10, 20, {0, {0}}, false},
        {0200, 0, 0, {0, {0}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(norvane::mayWrite(c.mode, c.owner, c.group, c.user), c.writable)
            << std::oct << c.mode << " owner " << c.owner << " user " << c.user.uid;
}

TEST(AtomicFile, ReadOnlyFileIsRefusedAndKept) {
    TempDir dir;
    const std::string path = dir.file("locked.NSC").string();
    writeFileAtomically(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(messageOf([&] { writeFileAtomically(path, "new"); }),
              "Cannot write " + path + ": Permission denied");
    EXPECT_EQ(readWholeFile(path), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"locked.NSC"});
}

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
