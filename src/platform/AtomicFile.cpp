#include "AtomicFile.h"

#include "SystemCalls.h"
#include "WritePermission.h"
#include "scene/Error.h"
#include "scene/ShownPath.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace norvane {

namespace {

[[noreturn]] void failWrite(const std::string& path, int code) {
    throw Error("Cannot write " + shownPath(path) + ": " + std::generic_category().message(code));
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Opens a new, uniquely named file in the folder of `path`; returns its descriptor and fills
// `tempPath`. The name is short, so that a target whose name is as long as the folder allows
// still gets a temporary beside it.
int createTemporary(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + ".norvane-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++) + ".tmp";
        const int fd =
            systemCalls().open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes every byte, retrying short writes; returns 0 or the errno of the failure.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = systemCalls().write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Gives the temporary the permissions of the file it replaces, when there is one.
void keepPermissions(int fd, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 07777);
}

// Fills and closes the temporary; returns 0 or the errno of the first failure.
int fillTemporary(int fd, const std::string& path, std::string_view bytes) {
    keepPermissions(fd, path);
    int code = writeAll(fd, bytes);
    if (code == 0 && systemCalls().fsync(fd) != 0)
        code = errno;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    return code;
}

// Makes the rename itself durable; a failure here does not undo the completed write.
void syncFolder(const std::string& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// The file a write to `path` should replace: a symbolic link is followed, so that the link stays
// and the file it points to gets the new content.
std::string replacedFile(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    std::error_code ignored;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ignored);
    return resolved.empty() ? path : resolved.string();
}

void replaceRegularFile(const std::string& path, std::string_view bytes) {
    const std::string target = replacedFile(path);
    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0)
        failWrite(path, errno);
    int code = fillTemporary(fd, target, bytes);
    if (code == 0 && systemCalls().rename(tempPath.c_str(), target.c_str()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(tempPath.c_str());
        failWrite(path, code);
    }
    syncFolder(target);
}

// A device, FIFO or terminal cannot be replaced by a file: the bytes go to it as they are.
void writeInPlace(const std::string& path, std::string_view bytes) {
    const int fd = systemCalls().open(path.c_str(), O_WRONLY | O_CLOEXEC, 0);
    if (fd < 0)
        failWrite(path, errno);
    int code = writeAll(fd, bytes);
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code != 0)
        failWrite(path, code);
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return replaceRegularFile(path, bytes);
    if (!S_ISREG(info.st_mode))
        return writeInPlace(path, bytes);
    if (!mayWrite(info.st_mode, info.st_uid, info.st_gid, currentUser()))
        failWrite(path, EACCES);
    replaceRegularFile(path, bytes);
}

} // namespace norvane
