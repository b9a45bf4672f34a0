#pragma once

#include <cstddef>
#include <sys/types.h>

namespace norvane {

// The system calls the atomic writer makes, one entry per step of a write. Tests replace an
// entry to make that step fail and put the real one back afterwards (see systemCalls()).
struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);         // create the temporary
    ssize_t (*write)(int fd, const void* bytes, std::size_t size); // write the bytes
    int (*fsync)(int fd);                                          // flush them to disk
    int (*rename)(const char* from, const char* to);               // put the temporary in place
};

// The calls in use; by default the real ones. Not thread-safe to change while a write runs.
SystemCalls& systemCalls();

// The real calls, for restoring systemCalls() after a replacement.
SystemCalls realSystemCalls();

} // namespace norvane
