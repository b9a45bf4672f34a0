#include "FileReading.h"

#include "scene/Error.h"
#include "scene/LargeMemory.h"
#include "scene/ShownPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace norvane {

namespace {

// Closes the descriptor when the read ends, however it ends.
class OpenFile {
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    ~OpenFile() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void failRead(const std::string& path, int code) {
    throw Error("Cannot read " + shownPath(path) + ": " + std::generic_category().message(code));
}

[[noreturn]] void failNotRegular(const std::string& path) {
    throw Error("Cannot read " + shownPath(path) + ": not a regular file");
}

// Opens without waiting for a FIFO's writer when only regular files are wanted; the type is
// checked on the open descriptor, so nothing can swap the file in between.
int openForReading(const std::string& path, FileTypes types) {
    const int wait = types == FileTypes::RegularOnly ? O_NONBLOCK : 0;
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | wait);
}

void checkType(const OpenFile& file, const std::string& path, FileTypes types, struct stat& info) {
    if (::fstat(file.fd(), &info) != 0)
        failRead(path, errno);
    if (S_ISDIR(info.st_mode))
        failRead(path, EISDIR);
    if (types == FileTypes::RegularOnly && !S_ISREG(info.st_mode))
        failNotRegular(path);
}

// Reads the `expected` bytes straight into `bytes`, and whatever comes beyond them (all of a
// device or FIFO) a chunk at a time; `check` sees each piece as it arrives.
void readChunks(const OpenFile& file, const std::string& path, const ChunkCheck& check,
                std::string& bytes, std::size_t expected) {
    char chunk[65536];
    bytes.reserve(expected);
    preferLargePages(bytes.data(), expected);
    bytes.resize(expected);
    std::size_t size = 0;
    for (;;) {
        const bool inPlace = size < expected;
        char* into = inPlace ? bytes.data() + size : chunk;
        const ssize_t got = ::read(file.fd(), into, inPlace ? expected - size : sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failRead(path, errno);
        if (got == 0)
            break;
        const std::string_view piece(into, static_cast<std::size_t>(got));
        if (check)
            check(piece);
        if (!inPlace)
            bytes.append(piece);
        size += piece.size();
    }
    bytes.resize(size);
}

} // namespace

std::string readWholeFile(const std::string& path, FileTypes types, const ChunkCheck& check) {
    const OpenFile file(openForReading(path, types));
    if (file.fd() < 0)
        failRead(path, errno);
    struct stat info {};
    checkType(file, path, types, info);
    std::string bytes;
    const bool sized = S_ISREG(info.st_mode) && info.st_size > 0;
    readChunks(file, path, check, bytes, sized ? static_cast<std::size_t>(info.st_size) : 0);
    return bytes;
}

} // namespace norvane
