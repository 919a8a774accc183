#pragma once

#include <cerrno>

#include "platform/atomic_file.h"

namespace lumbrix::test {

// A disk that takes no byte: every atomic write through it fails with the system error given.
class FailingWriteSink : public FileSink {
  public:
    explicit FailingWriteSink(int error) : error_(error) {}
    std::ptrdiff_t write(int, const char*, std::size_t) override {
        errno = error_;
        return -1;
    }

  private:
    int error_;
};

// Every atomic write through it fails as a full disk does.
struct DiskFullSink : FailingWriteSink {
    DiskFullSink() : FailingWriteSink(ENOSPC) {}
};

}  // namespace lumbrix::test
