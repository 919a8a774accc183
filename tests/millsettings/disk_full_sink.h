#pragma once

#include <cerrno>

#include "platform/atomic_file.h"

namespace lumbrix::test {

// A disk that takes no byte: every atomic write through it fails as a full disk does.
struct DiskFullSink : FileSink {
    std::ptrdiff_t write(int, const char*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

}  // namespace lumbrix::test
