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
#include <utility>

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

// Where the bytes of one write go as they come: a temporary beside the file it replaces, or a
// device, FIFO or terminal written in place (those cannot be replaced by a file). The first
// failure is kept and reported by finish(), so that a producer's own error is seen first; an
// unfinished temporary is removed.
class OutputFile {
public:
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::string_view bytes) {
        if (m_failure == 0)
            m_failure = writeAll(m_fd, bytes);
    }
    // Flushes, closes and puts the temporary in place; throws Error("Cannot write ...").
    void finish();

private:
    void openTemporary();
    int closeFile(bool flush);

    const std::string& m_path;
    std::string m_target;
    std::string m_tempPath; // "" when writing in place or once the temporary is gone
    int m_fd = -1;
    int m_failure = 0;
};

OutputFile::OutputFile(const std::string& path) : m_path(path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || S_ISREG(info.st_mode)) {
        const bool refused = S_ISREG(info.st_mode) &&
                             !mayWrite(info.st_mode, info.st_uid, info.st_gid, currentUser());
        if (refused)
            m_failure = EACCES;
        else
            openTemporary();
        return;
    }
    m_fd = systemCalls().open(path.c_str(), O_WRONLY | O_CLOEXEC, 0);
    if (m_fd < 0)
        m_failure = errno;
}

void OutputFile::openTemporary() {
    m_target = replacedFile(m_path);
    m_fd = createTemporary(m_target, m_tempPath);
    if (m_fd < 0) {
        m_failure = errno;
        m_tempPath.clear();
        return;
    }
    keepPermissions(m_fd, m_target);
}

OutputFile::~OutputFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_tempPath.empty())
        ::unlink(m_tempPath.c_str());
}

// Closes the descriptor, after flushing it to disk when asked; returns 0 or the first errno.
int OutputFile::closeFile(bool flush) {
    int code = m_failure;
    if (code == 0 && flush && systemCalls().fsync(m_fd) != 0)
        code = errno;
    if (::close(std::exchange(m_fd, -1)) != 0 && code == 0)
        code = errno;
    return code;
}

void OutputFile::finish() {
    const bool replacing = !m_tempPath.empty();
    int code = m_fd >= 0 ? closeFile(replacing) : m_failure;
    if (code == 0 && replacing && systemCalls().rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        code = errno;
    if (code != 0)
        failWrite(m_path, code); // the destructor removes the temporary
    m_tempPath.clear();
    if (replacing)
        syncFolder(m_target);
}

} // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    writeFileAtomically(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

void writeFileAtomically(const std::string& path,
                         const std::function<void(const ByteSink& sink)>& produce) {
    OutputFile out(path);
    produce([&out](std::string_view bytes) { out.write(bytes); });
    out.finish();
}

} // namespace norvane
