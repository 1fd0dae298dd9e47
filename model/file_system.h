// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

// The operating-system calls that reading and saving files go through, one
// virtual function each with the POSIX call's meaning and result. Tests
// derive from it to make any one call fail.
class CFileSystem {
public:
    virtual ~CFileSystem() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* buffer, size_t size);
    virtual ssize_t Write(int fd, const void* buffer, size_t size);
    virtual int Fstat(int fd, struct stat* status);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
    virtual int Lstat(const char* path, struct stat* status);
    virtual ssize_t Readlink(const char* path, char* buffer, size_t size);
    virtual ssize_t Pwrite(int fd, const void* buffer, size_t size, off_t offset);
    virtual int Ftruncate(int fd, off_t length);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Fchown(int fd, uid_t owner, gid_t group);
    virtual ssize_t Flistxattr(int fd, char* names, size_t size);
    virtual ssize_t Fgetxattr(int fd, const char* name, void* value, size_t size);
    virtual int Fsetxattr(int fd, const char* name, const void* value, size_t size);

    // The real calls.
    static CFileSystem& System();
};
