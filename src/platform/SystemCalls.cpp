#include "SystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace norvane {

namespace {

int openFile(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

} // namespace

SystemCalls realSystemCalls() {
    return {openFile, ::write, ::fsync, ::rename};
}

SystemCalls& systemCalls() {
    static SystemCalls calls = realSystemCalls();
    return calls;
}

} // namespace norvane
