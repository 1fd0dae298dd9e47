// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "file_system.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

int CFileSystem::Open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t CFileSystem::Read(int fd, void* buffer, size_t size) { return ::read(fd, buffer, size); }
ssize_t CFileSystem::Write(int fd, const void* buffer, size_t size) { return ::write(fd, buffer, size); }
int CFileSystem::Fstat(int fd, struct stat* status) { return ::fstat(fd, status); }
int CFileSystem::Fsync(int fd) { return ::fsync(fd); }
int CFileSystem::Close(int fd) { return ::close(fd); }
int CFileSystem::Rename(const char* from, const char* to) { return std::rename(from, to); }
int CFileSystem::Unlink(const char* path) { return ::unlink(path); }
int CFileSystem::Lstat(const char* path, struct stat* status) { return ::lstat(path, status); }
ssize_t CFileSystem::Readlink(const char* path, char* buffer, size_t size) { return ::readlink(path, buffer, size); }
ssize_t CFileSystem::Pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    return ::pwrite(fd, buffer, size, offset);
}
int CFileSystem::Ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int CFileSystem::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int CFileSystem::Fchown(int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); }
ssize_t CFileSystem::Flistxattr(int fd, char* names, size_t size) { return ::flistxattr(fd, names, size); }
ssize_t CFileSystem::Fgetxattr(int fd, const char* name, void* value, size_t size)
{
    return ::fgetxattr(fd, name, value, size);
}
int CFileSystem::Fsetxattr(int fd, const char* name, const void* value, size_t size)
{
    return ::fsetxattr(fd, name, value, size, 0);
}

CFileSystem& CFileSystem::System()
{
    static CFileSystem system;
    return system;
}
