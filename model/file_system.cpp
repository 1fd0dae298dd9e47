// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "file_system.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int CFileSystem::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t CFileSystem::Read(int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); }
ssize_t CFileSystem::Write(int fd, const void* buffer, size_t size) { return ::write(fd, buffer, size); }
int CFileSystem::Fstat(int fd, struct stat* status) { return ::fstat(fd, status); }
int CFileSystem::Fsync(int fd) { return ::fsync(fd); }
int CFileSystem::Close(int fd) { return ::close(fd); }
int CFileSystem::Rename(const char* from, const char* to) { return std::rename(from, to); }
int CFileSystem::Unlink(const char* path) { return ::unlink(path); }

CFileSystem& CFileSystem::System()
{
    static CFileSystem system;
    return system;
}
