#include "platform/AtomicFile.h"
#include "platform/SystemCalls.h"
#include "platform/WritePermission.h"
#include "scene/Error.h"

#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <sstream>
#include <unistd.h>

using namespace norvane;
using namespace norvane::test;
namespace fs = std::filesystem;

namespace {

// An interrupted call, then a short write, then a full disk.
ssize_t writeUntilFull(int fd, const void* bytes, std::size_t) {
    static int calls = 0;
    errno = ++calls == 1 ? EINTR : ENOSPC;
    return calls == 2 ? ::write(fd, bytes, 1) : -1;
}

const std::pair<void (*)(SystemCalls&), const char*> kStepFailures[] = {
    {[](SystemCalls& c) { c.open = [](const char*, int, mode_t) { return errno = EACCES, -1; }; },
     "Permission denied"},
    {[](SystemCalls& c) { c.write = writeUntilFull; }, "No space left on device"},
    {[](SystemCalls& c) { c.fsync = [](int) { return errno = EIO, -1; }; }, "Input/output error"},
    {[](SystemCalls& c) { c.rename = [](const char*, const char*) { return errno = EXDEV, -1; }; },
     "Invalid cross-device link"},
};

// The same bytes handed over in pieces, as export streams a world.
void writeInPieces(const std::string& path) {
    writeFileAtomically(path, [](const ByteSink& sink) {
        sink("new ");
        sink("content");
    });
}

} // namespace

// A producer's own error comes before any failure to write, and leaves nothing behind either.
TEST(AtomicFile, FailureAtEachStepKeepsTheOldFileAndNamesPathAndReason) {
    TempDir dir;
    const std::string path = dir.file("world.wrl").string();
    writeFileAtomically(path, "old");
    for (const auto& [breakStep, reason] : kStepFailures) {
        breakStep(systemCalls());
        EXPECT_EQ(errorOf([&] { writeFileAtomically(path, "new content"); }),
                  "Cannot write " + path + ": " + reason);
        EXPECT_EQ(errorOf([&] { writeInPieces(path); }), "Cannot write " + path + ": " + reason);
        EXPECT_EQ(errorOf([&] {
                      writeFileAtomically(path, [](const ByteSink& sink) {
                          sink("half");
                          throw Error("Row 2 is not a number");
                      });
                  }),
                  "Row 2 is not a number");
        systemCalls() = realSystemCalls();
        EXPECT_EQ(readWholeFile(path), "old") << reason;
        EXPECT_EQ(dir.names(), std::set<std::string>{"world.wrl"}) << reason;
    }
}

TEST(AtomicFile, RefusalsNameThePathAndReasonAndChangeNothing) {
    TempDir dir;
    const std::string locked = dir.file("locked.NSC").string();
    const std::string folder = dir.file("a\nb\x01").string();
    writeFileAtomically(locked, "old");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    const std::pair<std::string, std::string> cases[] = {
        {locked, locked + ": Permission denied"},
        {dir.path().string(), dir.path().string() + ": Is a directory"},
        {folder + "/out.wrl",
         dir.path().string() + "/a\\nb\\x01/out.wrl: No such file or directory"},
        {"/dev/full", "/dev/full: No space left on device"},
    };
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(errorOf([&] { writeFileAtomically(path, "new"); }), "Cannot write " + reason);
    EXPECT_EQ(errorOf([&] { readWholeFile(folder); }),
              "Cannot read " + dir.path().string() + "/a\\nb\\x01: No such file or directory");
    EXPECT_EQ(errorOf([&] { readWholeFile(dir.path().string()); }),
              "Cannot read " + dir.path().string() + ": Is a directory");
    EXPECT_NO_THROW(writeFileAtomically("/dev/null", "world"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(readWholeFile(locked), "old");
    EXPECT_EQ(dir.names(), std::set<std::string>{"locked.NSC"});
}

// Lines: MODE (octal)|OWNER|GROUP|USER|THE USER'S GROUPS|WHETHER THE USER MAY WRITE; root too.
TEST(AtomicFile, WritePermissionFollowsTheModeBitsForEveryUser) {
    EXPECT_TRUE(sameTable("write-permissions.txt", [](const std::vector<std::string>& f) {
        const std::string inputs = f[0] + "|" + f[1] + "|" + f[2] + "|" + f[3] + "|" + f[4];
        std::istringstream in(f[0] + " " + f[1] + " " + f[2] + " " + f[3] + " " + f[4]);
        mode_t mode = 0;
        uid_t owner = 0;
        gid_t group = 0;
        User user{};
        in >> std::oct >> mode >> std::dec >> owner >> group >> user.uid;
        for (gid_t other = 0; in >> other;)
            user.groups.push_back(other);
        return inputs + (mayWrite(mode, owner, group, user) ? "|may write" : "|refused");
    }));
}

// A link is followed and stays a link; the file it names keeps its permissions; longer contents
// are replaced by shorter ones; the longest file name and a relative path are written too.
TEST(AtomicFile, ReplacesTheFileThePathNamesKeepingLinkAndPermissions) {
    TempDir dir;
    const std::string longest = std::string(251, 'w') + ".wrl";
    writeFileAtomically(dir.file(longest).string(), "first");
    fs::permissions(dir.file(longest), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(longest, dir.file("link.wrl"));
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    for (const std::string& bytes :
         {std::string(300000, '\r') + "tail", std::string("\0\xff\r", 3), std::string()}) {
        writeFileAtomically("link.wrl", bytes);
        EXPECT_SAME_TEXT(bytes, readWholeFile(longest));
    }
    writeInPieces("link.wrl");
    EXPECT_EQ(readWholeFile(longest), "new content");
    fs::current_path(before);
    EXPECT_EQ(fs::status(dir.file(longest)).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.wrl")));
    EXPECT_EQ(dir.names(), (std::set<std::string>{longest, "link.wrl"}));
}
