// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "file_system.h"

#include <cerrno>
#include <cstring>
#include <string_view>

// Serves one regular file, whatever its name, from memory, so that a fuzzer
// drives the real reading code without touching the disk.
class CMemoryFileSystem : public CFileSystem {
public:
    explicit CMemoryFileSystem(std::string_view contents) : contents_(contents) {}

    int Open(const char*, int, mode_t) override
    {
        offset_ = 0;
        return kFd;
    }
    ssize_t Read(int fd, void* buffer, size_t size) override
    {
        if (fd != kFd) {
            errno = EBADF;
            return -1;
        }
        const size_t count = std::min(size, contents_.size() - offset_);
        std::memcpy(buffer, contents_.data() + offset_, count);
        offset_ += count;
        return static_cast<ssize_t>(count);
    }
    int Fstat(int, struct stat* status) override
    {
        *status = {};
        status->st_mode = S_IFREG | 0644;
        status->st_size = static_cast<off_t>(contents_.size());
        return 0;
    }
    int Close(int) override { return 0; }

private:
    static constexpr int kFd = 1000;
    std::string_view contents_;
    size_t offset_ = 0;
};
