// SPDX-License-Identifier: GPL-3.0-or-later
// A POSIX file descriptor closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace navivor {

class FileDescriptor {
public:
    explicit FileDescriptor(int value)
        : value_(value) {}
    ~FileDescriptor() {
        if (value_ >= 0)
            ::close(value_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int value() const { return value_; }

private:
    int value_;
};

} // namespace navivor
